#pragma once

#include "ConfigDiffListModel.h"

// Every number of the edited cluster whose two parameter sets differ: first value is set #1,
// second set #2, and the difference set #2 - set #1, all as their page shows them.
class CompareSetsModel : public ConfigDiffListModel {
    Q_OBJECT

public:
    explicit CompareSetsModel(EditHistory* history, QObject* parent = nullptr);

    // Copies one row's member of set `fromSet` (0 or 1) over the other member; undoable.
    Q_INVOKABLE void copyRow(int row, int fromSet);
    // Copies every listed member of `fromSet` over the other set, as one undoable step.
    Q_INVOKABLE void copyAll(int fromSet);

protected:
    std::vector<Row> collectRows() const override;
};
