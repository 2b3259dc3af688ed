#pragma once

#include "ConfigFieldTable.h"

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

class EditHistory;

// A list of values of the edited configuration that differ in some way (from the saved file,
// between the two parameter sets), one row per value, kept current as the user edits: it re-reads
// whenever the model tree announces something and tells the view only what really changed.
class ConfigDiffListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        PageRole = Qt::UserRole + 1,
        PageTitleRole,
        BlockRole,
        LabelRole,
        UnitRole,
        ParamSetRole,
        FirstValueRole,
        SecondValueRole,
        DifferenceRole,
        ModelRole,
        PropertyRole,
    };

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    configFieldTable::Item itemAt(int row) const { return m_rows.at(row).item; }

    // Re-reads the rows; cheap when nothing changed.
    void refresh();

    // The page of a row, as the main view numbers its tabs; -1 for no such row.
    Q_INVOKABLE int pageOf(int row) const;
    // The model that shows a row's value; null for no such row.
    Q_INVOKABLE QObject* fieldModelOf(int row) const;
    // The property of that model which edits the value; empty for no such row.
    Q_INVOKABLE QString fieldPropertyOf(int row) const;

signals:
    void countChanged();

protected:
    ConfigDiffListModel(EditHistory* history, QObject* parent);

    // Raw values, formatted only when the view asks: the lists re-read on every announcement.
    struct Row {
        configFieldTable::Item item;
        std::uint32_t first;  // the saved value, or set #1
        std::uint32_t second; // the current value, or set #2
        bool operator==(const Row& other) const {
            return item == other.item && first == other.first && second == other.second;
        }
    };

    virtual std::vector<Row> collectRows() const = 0;
    EditHistory& history() const { return *m_history; }
    bool validRow(int row) const { return row >= 0 && row < count(); }

private:
    EditHistory* m_history;
    std::vector<Row> m_rows;
};
