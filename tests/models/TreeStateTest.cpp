// Modified marks, "Restore saved" and rebinding must cover both parameter sets, the shared types
// and the switches of the whole tree; a leaf that looks only at the shown set would hide edits.
#include "ModelTestSupport.h"
#include "models/AbsolutePitchRollModel.h"
#include "models/AxisConfigModel.h"
#include "models/EnhancerConfigModel.h"
#include "models/MixerConfigModel.h"
#include "models/MultiplexerConfigModel.h"
#include "models/SignalLimitationModel.h"
#include "models/UndersteerConfigModel.h"

#include <gtest/gtest.h>

namespace {

using modeltest::BoundTree;
using modeltest::distinctConfig;
using modeltest::fieldValues;
using modeltest::PropertyNode;
using modeltest::writablePropertiesOf;

bool isBelow(const QObject* object, const QObject* ancestor) {
    for (; object; object = object->parent()) {
        if (object == ancestor) {
            return true;
        }
    }
    return false;
}

// Changes every value below model: floats in both parameter sets, switches and types once.
void editEverythingBelow(BoundTree& tree, const BaseModel* model) {
    const auto properties = writablePropertiesOf(tree.root.get());
    for (KEOParamSet::Enum set : {KEOParamSet::First, KEOParamSet::Second}) {
        tree.paramSets->setParamSetIndex(set);
        for (const PropertyNode& node : properties) {
            const bool sharedValue = !modeltest::isFloat(node);
            if (isBelow(node.model, model) && !(sharedValue && set == KEOParamSet::Second)) {
                modeltest::writeDifferent(node);
            }
        }
    }
    tree.paramSets->setParamSetIndex(KEOParamSet::First);
}

TEST(ModelTree, EditInHiddenParameterSetStillCountsAsModified) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    for (const PropertyNode& node : writablePropertiesOf(tree.root.get())) {
        if (!modeltest::isFloat(node)) {
            continue;
        }
        SCOPED_TRACE(node.path.toStdString());
        tree.paramSets->setParamSetIndex(KEOParamSet::Second);
        modeltest::writeDifferent(node);
        tree.paramSets->setParamSetIndex(KEOParamSet::First);
        EXPECT_TRUE(node.model->isModified());
        EXPECT_TRUE(tree.root->isModified());

        node.model->restoreDefaults();
        EXPECT_EQ(fieldValues(*tree.current), fieldValues(*tree.saved));
        EXPECT_FALSE(tree.root->isModified());
    }
}

TEST(ModelTree, SharedValueSetBackToSavedIsNotModified) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    for (const PropertyNode& node : writablePropertiesOf(tree.root.get())) {
        if (modeltest::isFloat(node)) {
            continue;
        }
        SCOPED_TRACE(node.path.toStdString());
        const QVariant original = node.property.read(node.model);
        modeltest::writeDifferent(node);
        EXPECT_TRUE(node.model->isModified());
        EXPECT_TRUE(tree.root->isModified());
        node.property.write(node.model, original);
        EXPECT_FALSE(tree.root->isModified());
    }
}

// Restoring any model, from a leaf to the root, puts back everything below it in both sets.
TEST(ModelTree, RestoreDefaultsRestoresEverythingBelowTheModel) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    for (const modeltest::ModelNode& node : modeltest::modelsOf(tree.root.get())) {
        SCOPED_TRACE(node.path.toStdString());
        editEverythingBelow(tree, node.model);
        EXPECT_TRUE(node.model->isModified());
        node.model->restoreDefaults();
        EXPECT_EQ(fieldValues(*tree.current), fieldValues(*tree.saved));
        EXPECT_FALSE(tree.root->isModified());
    }
}

// Editing every property once per parameter set must reach every value of the record exactly
// once: as many writable values as record values, and all of them changed.
TEST(ModelTree, PropertiesCoverEveryValueOfTheRecordOnce) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    std::size_t writableValues = 0;
    for (const PropertyNode& node : writablePropertiesOf(tree.root.get())) {
        writableValues += modeltest::isFloat(node) ? 2 : 1;
    }
    editEverythingBelow(tree, tree.root.get());

    const std::vector<double> edited = fieldValues(*tree.current);
    const std::vector<double> saved = fieldValues(*tree.saved);
    EXPECT_EQ(writableValues, saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_NE(edited[i], saved[i]) << "record value " << i << " is not editable";
    }
}

Config withFlagsAndTypesChanged(Config config) {
    struct Changer {
        void operator()(FloatPair&) {}
        void operator()(bool& flag) { flag = !flag; }
        void operator()(KEOFilterType::Enum& type) {
            type =
                type == KEOFilterType::LowPass ? KEOFilterType::HighPass : KEOFilterType::LowPass;
        }
        void operator()(KEOLimitationType::Enum& type) {
            type = type == KEOLimitationType::Gain ? KEOLimitationType::Logistic
                                                   : KEOLimitationType::Gain;
        }
    };
    Changer changer;
    ConfigFields::visit(config, changer);
    return config;
}

// After a rebind every property reads what a tree constructed on the new record reads, and edits
// land in the new record only.
TEST(ModelTree, RebindRetargetsTheWholeTree) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    BoundTree reference(withFlagsAndTypesChanged(distinctConfig(-1.0f, -1.0f)),
                        modeltest::Binding::Constructed);
    Config newCurrent = *reference.current;
    const Config newSaved = *reference.saved;
    const QByteArray oldRecord = modeltest::bytesOf(*tree.current);

    tree.root->rebind(&newCurrent, &newSaved);
    EXPECT_FALSE(tree.root->isModified());

    const auto rebound = writablePropertiesOf(tree.root.get());
    const auto expected = writablePropertiesOf(reference.root.get());
    ASSERT_EQ(rebound.size(), expected.size());
    for (KEOParamSet::Enum set : {KEOParamSet::First, KEOParamSet::Second}) {
        tree.paramSets->setParamSetIndex(set);
        reference.paramSets->setParamSetIndex(set);
        for (std::size_t i = 0; i < rebound.size(); ++i) {
            SCOPED_TRACE(rebound[i].path.toStdString());
            EXPECT_EQ(rebound[i].property.read(rebound[i].model),
                      expected[i].property.read(expected[i].model));
        }
    }

    tree.paramSets->setParamSetIndex(KEOParamSet::First);
    editEverythingBelow(tree, tree.root.get());
    EXPECT_EQ(modeltest::bytesOf(*tree.current), oldRecord);
    const std::vector<double> edited = fieldValues(newCurrent);
    const std::vector<double> saved = fieldValues(newSaved);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_NE(edited[i], saved[i]) << "record value " << i << " still bound to the old record";
    }
}

TEST(ModelTree, RebindTakesTheSwitchSnapshotsFromTheSavedRecord) {
    BoundTree tree(zeroConfig());
    Config current = distinctConfig(1.0f, 1.0f);
    Config saved = current;
    saved.absoluteRoll.enabled = !saved.absoluteRoll.enabled;
    saved.algorithm.highpassUseFreshDataOnly = !saved.algorithm.highpassUseFreshDataOnly;
    tree.root->rebind(&current, &saved);
    EXPECT_TRUE(tree.root->absolutePitchRollConfigModel()->isModified());

    tree.root->restoreDefaults();
    EXPECT_EQ(fieldValues(current), fieldValues(saved));
}

// Until the first rebind the root compares its switches with the algorithm's usual set, not with
// the (zero) saved record.
TEST(ModelTree, RootStartsWithTheUsualSwitchSet) {
    Config current = zeroConfig();
    const Config saved = zeroConfig();
    ParamSetModel paramSets;
    ConfigModel root(&current, &saved, &paramSets);
    EXPECT_TRUE(root.isModified());

    root.restoreDefaults();
    const AlgorithmOptions& options = current.algorithm;
    EXPECT_TRUE(options.enableCorrection);
    EXPECT_TRUE(options.removeVerticalComponent);
    EXPECT_TRUE(options.enableAccMatrix);
    EXPECT_TRUE(options.enableAccMatrixTranslationBefore);
    EXPECT_TRUE(options.enableAccMatrixTranslationAfter);
    EXPECT_TRUE(options.enableVelocityMatrix);
    EXPECT_FALSE(options.enableVelocityMatrixTranslationBefore);
    EXPECT_FALSE(options.enableVelocityMatrixTranslationAfter);
    EXPECT_FALSE(options.highpassUseFreshDataOnly);
    EXPECT_FALSE(root.isModified());
}

std::vector<BaseModel*> sectionsOf(const ConfigModel& root) {
    return {root.lateralConfigModel(),    root.longitudinalConfigModel(),
            root.verticalConfigModel(),   root.absolutePitchRollConfigModel(),
            root.mixerConfigModel(),      root.enhancerConfigModel(),
            root.understeerConfigModel(), root.multiplexerConfigModel()};
}

TEST(ModelTree, AlgorithmSwitchMarksOnlyTheRoot) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    tree.root->setEnableGCorrection(!tree.root->enableGCorrection());
    EXPECT_TRUE(tree.root->isModified());
    for (const BaseModel* section : sectionsOf(*tree.root)) {
        EXPECT_FALSE(section->isModified()) << section->metaObject()->className();
    }
}

TEST(ModelTree, RoadHarshnessSwitchBelongsToTheEnhancerNotTheMixer) {
    BoundTree tree(distinctConfig(1.0f, 1.0f));
    EnhancerConfigModel* enhancer = tree.root->enhancerConfigModel();
    enhancer->setRoadHarshnessEnabled(!enhancer->roadHarshnessEnabled());
    EXPECT_TRUE(enhancer->isModified());
    EXPECT_TRUE(tree.root->isModified());
    EXPECT_FALSE(tree.root->mixerConfigModel()->roadHarshnessToSurgeModel()->isModified());
    EXPECT_FALSE(tree.root->mixerConfigModel()->isModified());
}

// The manager limits the current record after taking the saved copy; the limit then shows as an
// edit that restoring undoes.
TEST(ModelTree, ValueLimitedAfterTheSavedCopyShowsAsModified) {
    Config current = zeroConfig();
    current.vertical.tiltCoordinationInputLimit.maxValue = FloatPair{{12.0f, -12.0f}};
    const Config saved = current;
    current.vertical.tiltCoordinationInputLimit.maxValue = FloatPair{{9.81f, -9.81f}};
    BoundTree tree(zeroConfig());
    tree.root->rebind(&current, &saved);

    SignalLimitationModel* limit =
        tree.root->verticalConfigModel()->tiltCoordinationInputLimitModel();
    EXPECT_TRUE(limit->isModified());
    EXPECT_FALSE(tree.root->lateralConfigModel()->isModified());
    limit->restoreDefaults();
    EXPECT_EQ(current.vertical.tiltCoordinationInputLimit.maxValue[0], 12.0f);
    EXPECT_EQ(current.vertical.tiltCoordinationInputLimit.maxValue[1], -12.0f);
}

} // namespace
