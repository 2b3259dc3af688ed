#include "HistoryTestSupport.h"
#include "models/ChangesListModel.h"
#include "models/CompareSetsModel.h"

using namespace configFieldTable;

namespace {

// As the pages write numbers: four decimals, with their decimal separator.
QString shown(double value) {
    return configFieldTable::numberText(value);
}

QVariant cell(const QAbstractListModel& list, int row, int role) {
    return list.data(list.index(row), role);
}

} // namespace

class ChangesListTest : public LoadedEditor {
protected:
    struct KnownEdit {
        int field;
        int set;
        QVariant value;
        QString unit;
        QString paramSet;
    };

    // Three edits of different kinds: a cutoff in set #1, an angular-rate limit shown in degrees
    // in set #2, and a switch both sets share. Each records the value the page showed before.
    std::vector<std::pair<KnownEdit, QString>> makeKnownEdits() {
        const std::vector<KnownEdit> edits{
            {fieldIndex("lateralConfigModel/angularRateInputLimitModel", "maxValue"), 1, 45.0,
             "deg/s", "#2"},
            {fieldIndex("lateralConfigModel/travelConfigModel/outputTravelFilterModel",
                        "cutoffFrequency"),
             0, 7.5, "Hz", "#1"},
            {fieldIndex("mixerConfigModel/swayToRollModel", "enabled"), -1, QVariant(), "", "both"},
        };
        std::vector<std::pair<KnownEdit, QString>> made;
        for (KnownEdit e : edits) {
            showSet(std::max(e.set, 0));
            const QVariant before =
                history().modelOf(e.field)->property(fields()[e.field].property);
            if (!e.value.isValid())
                e.value = !before.toBool();
            edit(e.field, e.value);
            const QString savedText =
                e.set < 0 ? (before.toBool() ? "On" : "Off") : shown(before.toDouble());
            made.emplace_back(e, savedText);
        }
        return made;
    }
};

TEST_F(ChangesListTest, ListsExactlyTheEditedValuesAndRevertsOneRow) {
    const ChangesListModel& changes = *m_manager->configChanges();
    ASSERT_EQ(changes.count(), 0);
    const auto edits = makeKnownEdits();
    ASSERT_EQ(changes.count(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const auto& [known, savedText] = edits[row];
        EXPECT_EQ(changes.itemAt(row).field, known.field);
        EXPECT_EQ(cell(changes, row, ConfigDiffListModel::ParamSetRole).toString(), known.paramSet);
        EXPECT_EQ(cell(changes, row, ConfigDiffListModel::UnitRole).toString(), known.unit);
        EXPECT_EQ(cell(changes, row, ConfigDiffListModel::FirstValueRole).toString(), savedText);
        const QString current =
            known.set < 0 ? (known.value.toBool() ? "On" : "Off") : shown(known.value.toDouble());
        EXPECT_EQ(cell(changes, row, ConfigDiffListModel::SecondValueRole).toString(), current);
    }

    const int stepsBefore = history().steps();
    m_manager->configChanges()->revert(1);
    EXPECT_EQ(history().steps(), stepsBefore + 1);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.itemAt(0).field, edits[0].first.field);
    EXPECT_EQ(changes.itemAt(1).field, edits[2].first.field);
    EXPECT_FALSE(root().lateralConfigModel()->travelConfigModel()->isModified());

    history().undo();
    EXPECT_EQ(changes.count(), 3);
    ASSERT_EQ(m_manager->save().code, Success);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(ChangesListTest, CopyingBetweenParameterSetsIsUndoableAndEmptiesTheComparison) {
    const CompareSetsModel& comparison = *m_manager->paramSetComparison();
    const int offset =
        fieldIndex("enhancerConfigModel/sideslipPivotPointLongitudinalModel", "value");
    showSet(1);
    edit(offset, stored(offset, 0) + 2.0);
    const int listed = comparison.count();
    int row = 0;
    while (row < listed && comparison.itemAt(row).field != offset)
        ++row;
    ASSERT_LT(row, listed);
    EXPECT_EQ(cell(comparison, row, ConfigDiffListModel::DifferenceRole).toString(), shown(2.0));

    m_manager->paramSetComparison()->copyRow(row, 0);
    EXPECT_EQ(stored(offset, 1), stored(offset, 0));
    EXPECT_EQ(comparison.count(), listed - 1);

    const int steps = history().steps();
    m_manager->paramSetComparison()->copyAll(1);
    EXPECT_EQ(comparison.count(), 0);
    EXPECT_EQ(history().steps(), steps + 1);
    history().undo();
    EXPECT_EQ(comparison.count(), listed - 1);
}
