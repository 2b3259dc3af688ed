#include "ChangesListModel.h"

#include "EditHistory.h"

using namespace configFieldTable;

ChangesListModel::ChangesListModel(EditHistory* history, QObject* parent)
    : ConfigDiffListModel(history, parent) {
    refresh();
}

std::vector<ConfigDiffListModel::Row> ChangesListModel::collectRows() const {
    const Config& saved = history().saved();
    const Config& current = history().current();
    std::vector<Row> rows;
    for (const Item& item : allItems()) {
        if (!sameValue(saved, current, item))
            rows.push_back({item, read(saved, item), read(current, item)});
    }
    return rows;
}

void ChangesListModel::revert(int row) {
    if (!validRow(row))
        return;
    const Item item = itemAt(row);
    const Field& field = fields()[item.field];
    history().applyStep({{item, read(history().current(), item), read(history().saved(), item)}},
                        tr("Revert %1 - %2").arg(field.block, field.label));
}
