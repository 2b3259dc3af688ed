#include "ConfigDiffListModel.h"

#include "ConfigModel.h"
#include "EditHistory.h"

#include <QLocale>

ConfigDiffListModel::ConfigDiffListModel(EditHistory* history, QObject* parent)
    : QAbstractListModel(parent)
    , m_history(history) {
    // Both come from the history, after it recorded a step, so the lists never run ahead of it.
    connect(history, &EditHistory::historyChanged, this, &ConfigDiffListModel::refresh);
    connect(history, &EditHistory::recordChanged, this, &ConfigDiffListModel::refresh);
}

int ConfigDiffListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ConfigDiffListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !validRow(index.row()))
        return QVariant();
    const Row& row = m_rows[index.row()];
    const ConfigFieldTable::Field& field = ConfigFieldTable::fields()[row.item.field];
    switch (role) {
    case PageRole:
        return static_cast<int>(field.page);
    case PageTitleRole:
        return ConfigFieldTable::pageTitle(field.page);
    case BlockRole:
        return field.block;
    case LabelRole:
        return field.label;
    case UnitRole:
        return field.unit;
    case ParamSetRole:
        return row.item.set < 0 ? tr("both") : QStringLiteral("#%1").arg(row.item.set + 1);
    case FirstValueRole:
        return ConfigFieldTable::display(row.item, row.first);
    case SecondValueRole:
        return ConfigFieldTable::display(row.item, row.second);
    case DifferenceRole:
        return field.kind == ConfigFieldTable::Kind::Float
                   ? QLocale().toString(ConfigFieldTable::shownNumber(row.item, row.second) -
                                            ConfigFieldTable::shownNumber(row.item, row.first),
                                        'f', 4)
                   : QString();
    case ModelRole:
        return QVariant::fromValue<QObject*>(m_history->modelOf(row.item.field));
    case PropertyRole:
        return QString::fromLatin1(field.property);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ConfigDiffListModel::roleNames() const {
    return {{PageRole, "page"},
            {PageTitleRole, "pageTitle"},
            {BlockRole, "block"},
            {LabelRole, "label"},
            {UnitRole, "unit"},
            {ParamSetRole, "paramSet"},
            {FirstValueRole, "firstValue"},
            {SecondValueRole, "secondValue"},
            {DifferenceRole, "difference"},
            {ModelRole, "fieldModel"},
            {PropertyRole, "fieldProperty"}};
}

int ConfigDiffListModel::pageOf(int row) const {
    return validRow(row) ? static_cast<int>(ConfigFieldTable::fields()[itemAt(row).field].page)
                         : -1;
}

void ConfigDiffListModel::refresh() {
    std::vector<Row> rows = collectRows();
    if (rows == m_rows)
        return;
    const bool sameItems = std::equal(rows.begin(), rows.end(), m_rows.begin(), m_rows.end(),
                                      [](const Row& a, const Row& b) { return a.item == b.item; });
    if (sameItems) {
        // Same values listed, other numbers: update in place so the view keeps its position.
        m_rows = std::move(rows);
        emit dataChanged(index(0), index(count() - 1));
        return;
    }
    const int before = count();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    if (count() != before)
        emit countChanged();
}
