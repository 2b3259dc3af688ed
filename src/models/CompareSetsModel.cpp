#include "CompareSetsModel.h"

#include "EditHistory.h"

using namespace configFieldTable;

namespace {

EditHistory::Change copyChange(const Config& config, int field, int fromSet) {
    const Item from{field, fromSet};
    const Item to{field, 1 - fromSet};
    return {to, read(config, to), read(config, from)};
}

} // namespace

CompareSetsModel::CompareSetsModel(EditHistory* history, QObject* parent)
    : ConfigDiffListModel(history, parent) {
    refresh();
}

std::vector<ConfigDiffListModel::Row> CompareSetsModel::collectRows() const {
    const Config& config = history().current();
    const auto& table = fields();
    std::vector<Row> rows;
    for (int field = 0; field < static_cast<int>(table.size()); ++field) {
        if (table[field].kind != Kind::Float)
            continue;
        const Item first{field, 0};
        const Item second{field, 1};
        if (!sameValue(first, read(config, first), read(config, second)))
            rows.push_back({first, read(config, first), read(config, second)});
    }
    return rows;
}

void CompareSetsModel::copyRow(int row, int fromSet) {
    if (!validRow(row) || (fromSet != 0 && fromSet != 1))
        return;
    const int field = itemAt(row).field;
    history().applyStep({copyChange(history().current(), field, fromSet)},
                        tr("Copy set #%1 to set #%2: %3 - %4")
                            .arg(fromSet + 1)
                            .arg(2 - fromSet)
                            .arg(fields()[field].block, fields()[field].label));
}

void CompareSetsModel::copyAll(int fromSet) {
    if (fromSet != 0 && fromSet != 1)
        return;
    std::vector<EditHistory::Change> changes;
    for (int row = 0; row < count(); ++row)
        changes.push_back(copyChange(history().current(), itemAt(row).field, fromSet));
    history().applyStep(std::move(changes),
                        tr("Copy set #%1 to set #%2").arg(fromSet + 1).arg(2 - fromSet));
}
