// The views write back what they display, so a value that only differs in its last float digit must
// not mark a block modified, while a real change must reach the root's modified mark.
#include "ModelTestSupport.h"
#include "models/FilterConfigModel.h"
#include "models/FloatValueModel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

namespace {

using modeltest::SignalLog;

TEST(SetterProtocol, FloatsCompareFuzzilyAndZeroOnlyEqualsZero) {
    FloatPair current{{1.0f, 0.0f}};
    const FloatPair saved = current;
    ParamSetModel paramSets;
    FloatValueModel model(&current, &saved, &paramSets);
    QSignalSpy valueSpy(&model, &FloatValueModel::_keo_valueChanged);
    QSignalSpy modifiedSpy(&model, &BaseModel::modifiedStateChanged);

    model.setValue(1.0000001f);
    EXPECT_EQ(current[0], 1.0f);
    EXPECT_EQ(valueSpy.count() + modifiedSpy.count(), 0);

    paramSets.setParamSetIndex(KEOParamSet::Second);
    valueSpy.clear();
    modifiedSpy.clear();
    model.setValue(1e-12f);
    EXPECT_EQ(current[1], 1e-12f);
    EXPECT_EQ(valueSpy.count(), 1);
    EXPECT_EQ(modifiedSpy.count(), 1);
    EXPECT_TRUE(model.isModified());
}

TEST(SetterProtocol, ModifiedTestUsesTheSameFuzzyComparison) {
    FilterConfig current = {};
    FilterConfig saved = {};
    ParamSetModel paramSets;
    FilterConfigModel model(&current, &saved, &paramSets);
    saved.cutoff = FloatPair::both(1.0f);
    current.cutoff = FloatPair{{1.0000001f, 1.0f}};
    EXPECT_FALSE(model.isModified());
    current.cutoffEnd[1] = 1e-12f;
    EXPECT_TRUE(model.isModified());
}

TEST(SetterProtocol, TypesAndSwitchesCompareExactly) {
    modeltest::BoundTree tree(zeroConfig());
    FilterConfigModel* filter =
        tree.root->lateralConfigModel()->travelConfigModel()->outputTravelFilterModel();
    SignalLog log;
    log.watch(filter);

    filter->setFilterType(KEOFilterType::HighPass); // the zero record's type
    EXPECT_TRUE(log.entries.empty());
    filter->setFilterType(KEOFilterType::LowPass);
    const std::vector<SignalLog::Entry> expected{{filter, "_keo_filterTypeChanged"},
                                                 {filter, "modifiedStateChanged"}};
    EXPECT_EQ(log.entries, expected);

    // A type outside the enumeration (as a file may hold) is kept and shown as stored.
    filter->setFilterType(static_cast<KEOFilterType::Enum>(7));
    EXPECT_EQ(tree.current->lateral.travel.outputFilter.type, 7);
    EXPECT_EQ(filter->filterType(), 7);

    TravelConfigModel* travel = tree.root->lateralConfigModel()->travelConfigModel();
    log.entries.clear();
    log.watch(travel);
    travel->setEnabled(false);
    EXPECT_TRUE(log.entries.empty());
}

// Every writable property of the tree: its own signal first, then modifiedStateChanged of the
// model and of each ancestor up to the root, and nothing else. A listener of a model is called
// after the chained parent, so the chain is compared without its order.
TEST(SetterProtocol, EveryEffectiveWriteAnnouncesItselfThenChainsModifiedToTheRoot) {
    modeltest::BoundTree tree(distinctConfig(0));
    SignalLog log;
    log.watchTree(tree.root.get());
    for (const modeltest::PropertyNode& node : modeltest::writablePropertiesOf(tree.root.get())) {
        SCOPED_TRACE(node.path.toStdString());
        log.entries.clear();
        modeltest::writeDifferent(node);
        ASSERT_FALSE(log.entries.empty());
        const SignalLog::Entry own{node.model, node.property.notifySignal().name()};
        EXPECT_EQ(log.entries.front(), own);

        std::set<const QObject*> chain;
        for (QObject* model = node.model; model; model = model->parent()) {
            chain.insert(model);
        }
        std::set<const QObject*> announced;
        for (std::size_t i = 1; i < log.entries.size(); ++i) {
            EXPECT_EQ(log.entries[i].signal, "modifiedStateChanged");
            announced.insert(log.entries[i].sender);
        }
        EXPECT_EQ(log.entries.size(), chain.size() + 1);
        EXPECT_EQ(announced, chain);
    }
}

} // namespace
