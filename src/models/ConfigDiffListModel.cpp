#include "ConfigDiffListModel.h"

#include "ConfigModel.h"
#include "EditHistory.h"

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
    const configFieldTable::Field& field = configFieldTable::fields()[row.item.field];
    switch (role) {
    case PageRole:
        return static_cast<int>(field.page);
    case PageTitleRole:
        return configFieldTable::pageTitle(field.page);
    case BlockRole:
        return field.block;
    case LabelRole:
        return field.label;
    case UnitRole:
        return field.unit;
    case ParamSetRole:
        return row.item.set < 0 ? tr("both") : QStringLiteral("#%1").arg(row.item.set + 1);
    case FirstValueRole:
        return configFieldTable::display(row.item, row.first);
    case SecondValueRole:
        return configFieldTable::display(row.item, row.second);
    case DifferenceRole:
        return field.kind == configFieldTable::Kind::Float
                   ? configFieldTable::numberText(
                         configFieldTable::shownNumber(row.item, row.second) -
                         configFieldTable::shownNumber(row.item, row.first))
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
    return validRow(row) ? static_cast<int>(configFieldTable::fields()[itemAt(row).field].page)
                         : -1;
}

QObject* ConfigDiffListModel::fieldModelOf(int row) const {
    return validRow(row) ? m_history->modelOf(itemAt(row).field) : nullptr;
}

QString ConfigDiffListModel::fieldPropertyOf(int row) const {
    return validRow(row)
               ? QString::fromLatin1(configFieldTable::fields()[itemAt(row).field].property)
               : QString();
}

namespace {

// Rows are kept in the order of the field table.
bool listedBefore(const configFieldTable::Item& a, const configFieldTable::Item& b) {
    return a.field != b.field ? a.field < b.field : a.set < b.set;
}

} // namespace

void ConfigDiffListModel::refresh() {
    const std::vector<Row> rows = collectRows();
    if (rows == m_rows)
        return;
    // Row by row rather than a reset, so the view keeps its position and its chosen row.
    const int before = count();
    std::size_t at = 0;
    for (const Row& row : rows) {
        while (at < m_rows.size() && listedBefore(m_rows[at].item, row.item)) {
            beginRemoveRows(QModelIndex(), static_cast<int>(at), static_cast<int>(at));
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at));
            endRemoveRows();
        }
        const int position = static_cast<int>(at);
        if (at < m_rows.size() && m_rows[at].item == row.item) {
            if (!(m_rows[at] == row)) {
                m_rows[at] = row;
                emit dataChanged(index(position), index(position));
            }
        } else {
            beginInsertRows(QModelIndex(), position, position);
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at), row);
            endInsertRows();
        }
        ++at;
    }
    if (at < m_rows.size()) {
        beginRemoveRows(QModelIndex(), static_cast<int>(at), count() - 1);
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at), m_rows.end());
        endRemoveRows();
    }
    if (count() != before)
        emit countChanged();
}
