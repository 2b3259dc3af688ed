#pragma once

#include "ConfigDiffListModel.h"

// Every value of the edited cluster that differs from the saved file, in the order of the pages:
// first value is the saved one, second the current one, both as their page shows them.
class ChangesListModel : public ConfigDiffListModel {
    Q_OBJECT

public:
    explicit ChangesListModel(EditHistory* history, QObject* parent = nullptr);

    // Puts the saved value of one row back, as an undoable step.
    Q_INVOKABLE void revert(int row);

protected:
    std::vector<Row> collectRows() const override;
};
