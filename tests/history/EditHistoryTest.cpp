#include "HistoryTestSupport.h"
#include "config/ConfigFields.h"

#include <QSignalSpy>
#include <random>
#include <set>

using namespace configFieldTable;

namespace {

// Offsets of every value the record walker visits.
struct OffsetCollector {
    const Config* base;
    std::multiset<std::size_t> offsets;

    template <class T> void operator()(T& value) {
        offsets.insert(static_cast<std::size_t>(reinterpret_cast<const char*>(&value) -
                                                reinterpret_cast<const char*>(base)));
    }
};

bool sameRecord(const Config& a, const Config& b) {
    return changedItems(a, b).empty();
}

} // namespace

TEST(ConfigFieldTableTest, NamesEveryValueOfTheRecordExactlyOnce) {
    Config config = zeroConfig();
    OffsetCollector walked{&config, {}};
    configFields::visit(config, walked);
    std::multiset<std::size_t> named;
    for (const Field& field : fields())
        named.insert(field.offset);
    EXPECT_EQ(named, walked.offsets);
}

class EditHistoryTest : public LoadedEditor {
protected:
    const int cutoff = fieldIndex("lateralConfigModel/travelConfigModel/outputTravelFilterModel",
                                  "cutoffFrequency");

    // One random user action through the models: a value, a type, a switch, a "Restore saved",
    // a parameter-set switch or a save. Returns nothing; the history decides what is a step.
    void randomAction(std::mt19937& random, int& lastField) {
        const auto& table = fields();
        std::uniform_int_distribution<int> anyField(0, static_cast<int>(table.size()) - 1);
        const int action = std::uniform_int_distribution<int>(0, 19)(random);
        if (action == 0) {
            m_manager->paramSetModel()->switchParamSet();
        } else if (action == 1) {
            const auto models = root().findChildren<BaseModel*>();
            BaseModel* model =
                std::uniform_int_distribution<int>(0, models.size())(random) == models.size()
                    ? &root()
                    : models[std::uniform_int_distribution<int>(0, models.size() - 1)(random)];
            model->restoreDefaults();
        } else if (action == 2) {
            ASSERT_EQ(m_manager->save().code, Success);
        } else {
            // Often the same field again, as typing does.
            const int field = action < 8 && lastField >= 0 ? lastField : anyField(random);
            lastField = field;
            writeRandom(random, field);
        }
    }

    void writeRandom(std::mt19937& random, int field) {
        switch (fields()[field].kind) {
        case Kind::Float:
            edit(field, std::uniform_int_distribution<int>(-5000, 5000)(random) / 100.0);
            break;
        case Kind::Switch:
            edit(field, !history().modelOf(field)->property(fields()[field].property).toBool());
            break;
        case Kind::FilterType:
            edit(field, std::uniform_int_distribution<int>(-1, 2)(random));
            break;
        case Kind::LimitationType:
            edit(field, std::uniform_int_distribution<int>(0, 3)(random));
            break;
        }
    }
};

TEST_F(EditHistoryTest, UndoingEveryEditRestoresTheLoadedRecordAndRedoingRestoresTheEdited) {
    ASSERT_EQ(m_manager->save().code, Success);
    const std::string savedBytes = readBytes(m_script);
    const Config loaded = history().current();
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        int lastField = -1;
        for (int i = 0; i < 150; ++i)
            randomAction(random, lastField);
        const Config edited = history().current();
        ASSERT_FALSE(sameRecord(edited, loaded));

        while (history().canUndo())
            history().undo();
        EXPECT_TRUE(sameRecord(history().current(), loaded));
        ASSERT_EQ(m_manager->save().code, Success);
        EXPECT_EQ(readBytes(m_script), savedBytes);

        while (history().canRedo())
            history().redo();
        EXPECT_TRUE(sameRecord(history().current(), edited));
        while (history().canUndo())
            history().undo();
    }
}

// Each field's model and property edit exactly that value of the record, and the table shows it
// in the unit the model shows it in.
TEST_F(EditHistoryTest, EveryFieldIsEditedThroughItsModelAndShownInItsUnit) {
    const auto& table = fields();
    for (int field = 0; field < static_cast<int>(table.size()); ++field) {
        SCOPED_TRACE(table[field].modelPath.toStdString() + " " + table[field].property.data());
        QObject* model = history().modelOf(field);
        const QVariant before = model->property(table[field].property);
        ASSERT_TRUE(before.isValid());
        const Config was = history().current();
        const bool isFloat = table[field].kind == Kind::Float;
        const QVariant value = isFloat ? QVariant(before.toDouble() + 10.0)
                               : table[field].kind == Kind::Switch
                                   ? QVariant(!before.toBool())
                                   : QVariant(before.toInt() == 1 ? 2 : 1);
        edit(field, value);
        const std::vector<Item> changed = changedItems(was, history().current());
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed.front(), (Item{field, isFloat ? 0 : -1}));
        if (isFloat) {
            EXPECT_NEAR(shownNumber(history().current(), changed.front()), value.toDouble(), 1e-3);
        }
    }
}

TEST_F(EditHistoryTest, TypingIntoOneFieldIsOneStepAndARestoreAfterItAnother) {
    const float original = stored(cutoff, 0);
    for (double typed : {1.0, 12.0, 12.5})
        edit(cutoff, typed);
    EXPECT_EQ(history().steps(), 1);

    history().modelOf(cutoff)->restoreDefaults();
    EXPECT_EQ(history().steps(), 2);
    history().undo();
    EXPECT_FLOAT_EQ(stored(cutoff, 0), 12.5f);
    history().undo();
    EXPECT_FLOAT_EQ(stored(cutoff, 0), original);
    EXPECT_FALSE(root().isModified());
    history().redo();
    EXPECT_FLOAT_EQ(stored(cutoff, 0), 12.5f);
    EXPECT_TRUE(root().isModified());
}

TEST_F(EditHistoryTest, AnEditAfterSavingIsAStepOfItsOwn) {
    edit(cutoff, 12.0);
    ASSERT_EQ(m_manager->save().code, Success);
    edit(cutoff, 13.0);
    EXPECT_EQ(history().steps(), 2);
    history().undo();
    EXPECT_FLOAT_EQ(stored(cutoff, 0), 12.0f);
    EXPECT_FALSE(root().isModified());
}

TEST_F(EditHistoryTest, WritesThatChangeNothingAndViewChangesAreNoSteps) {
    edit(cutoff, stored(cutoff, 0));
    edit(cutoff, stored(cutoff, 0) * 1.000001);
    m_manager->paramSetModel()->switchParamSet();
    root().restoreDefaults();
    EXPECT_EQ(history().steps(), 0);
    EXPECT_FALSE(history().canUndo());
}

TEST_F(EditHistoryTest, ChoosingAClusterStartsANewHistory) {
    edit(cutoff, 33.0);
    ASSERT_TRUE(m_manager->setConfigFromUi(1));
    const Config chosen = history().current();
    EXPECT_FALSE(history().canUndo());
    history().undo();
    EXPECT_TRUE(sameRecord(history().current(), chosen));
}

TEST_F(EditHistoryTest, UndoShowsTheChangedValueInItsParameterSetAndTheMarksFollow) {
    const int offset = fieldIndex("understeerConfigModel/pivotPointLongitudinalModel", "value");
    showSet(1);
    edit(offset, 1.25);
    ASSERT_EQ(m_manager->save().code, Success);
    EXPECT_FALSE(root().isModified());
    showSet(0);

    QSignalSpy revealed(&history(), &EditHistory::revealed);
    history().undo();
    ASSERT_EQ(revealed.count(), 1);
    EXPECT_EQ(revealed[0][0].toInt(), Understeer);
    EXPECT_EQ(revealed[0][1].value<QObject*>(), history().modelOf(offset));
    EXPECT_EQ(revealed[0][2].toString(), "value");
    EXPECT_EQ(m_manager->paramSetModel()->paramSetIndex(), KEOParamSet::Second);
    EXPECT_TRUE(root().understeerConfigModel()->isModified());
    EXPECT_TRUE(root().isModified());
}
