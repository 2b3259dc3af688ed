// Modified marks, "Restore saved" and rebinding must cover both parameter sets, the shared types
// and the switches of the whole tree; a leaf that looks only at the shown set would hide edits.
#include "ModelTestSupport.h"
#include "models/AbsolutePitchRollModel.h"
#include "models/EnhancerConfigModel.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using modeltest::BoundTree;
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

// A float edited in the hidden parameter set, or a switch or type set back to its saved value:
// the marks must follow the record, not the shown set or the last write.
TEST(ModelTree, ModifiedMarksFollowTheRecordInBothSets) {
    BoundTree tree(distinctConfig(0));
    for (const PropertyNode& node : writablePropertiesOf(tree.root.get())) {
        SCOPED_TRACE(node.path.toStdString());
        const QVariant original = node.property.read(node.model);
        const bool isFloat = modeltest::isFloat(node);
        tree.paramSets->setParamSetIndex(isFloat ? KEOParamSet::Second : KEOParamSet::First);
        modeltest::writeDifferent(node);
        tree.paramSets->setParamSetIndex(KEOParamSet::First);
        EXPECT_TRUE(node.model->isModified());
        EXPECT_TRUE(tree.root->isModified());
        if (isFloat)
            node.model->restoreDefaults();
        else
            node.property.write(node.model, original);
        EXPECT_EQ(describe(*tree.current), describe(*tree.saved));
        EXPECT_FALSE(tree.root->isModified());
    }
}

// Restoring any model, from a leaf to the root, puts back everything below it in both sets.
TEST(ModelTree, RestoreDefaultsRestoresEverythingBelowTheModel) {
    BoundTree tree(distinctConfig(0));
    for (const modeltest::ModelNode& node : modeltest::modelsOf(tree.root.get())) {
        SCOPED_TRACE(node.path.toStdString());
        editEverythingBelow(tree, node.model);
        EXPECT_TRUE(node.model->isModified());
        node.model->restoreDefaults();
        EXPECT_EQ(describe(*tree.current), describe(*tree.saved));
        EXPECT_FALSE(tree.root->isModified());
    }
}

// After a rebind every property reads what a tree constructed on the new record reads, and edits
// land in the new record only.
TEST(ModelTree, RebindRetargetsTheWholeTree) {
    BoundTree tree(distinctConfig(0));
    BoundTree reference(distinctConfig(1, -1000.0f), modeltest::Binding::Constructed);
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
    const std::vector<std::string> edited = describe(newCurrent);
    const std::vector<std::string> saved = describe(newSaved);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_NE(edited[i], saved[i]) << "record value " << i << " still bound to the old record";
    }
}

TEST(ModelTree, RebindTakesTheSwitchSnapshotsFromTheSavedRecord) {
    BoundTree tree(zeroConfig());
    Config current = distinctConfig(0);
    Config saved = current;
    saved.absoluteRoll.enabled = !saved.absoluteRoll.enabled;
    saved.algorithm.highpassUseFreshDataOnly = !saved.algorithm.highpassUseFreshDataOnly;
    tree.root->rebind(&current, &saved);
    EXPECT_TRUE(tree.root->absolutePitchRollConfigModel()->isModified());

    tree.root->restoreDefaults();
    EXPECT_EQ(describe(current), describe(saved));
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
    const AlgorithmOptions usual{true, true, true, true, true, true, false, false, false};
    EXPECT_EQ(std::memcmp(&current.algorithm, &usual, sizeof usual), 0);
    EXPECT_FALSE(root.isModified());
}

// A switch marks the model that shows it and its ancestors, no other section.
TEST(ModelTree, SwitchesMarkOnlyTheirOwnModel) {
    BoundTree tree(distinctConfig(0));
    ConfigModel* root = tree.root.get();
    root->setEnableGCorrection(!root->enableGCorrection());
    for (const modeltest::ModelNode& node : modeltest::modelsOf(root))
        EXPECT_EQ(node.model->isModified(), node.model == root) << node.path.toStdString();
    root->restoreDefaults();

    // The road-harshness switch belongs to the enhancer, not to the mixer's road-harshness paths.
    EnhancerConfigModel* enhancer = root->enhancerConfigModel();
    enhancer->setRoadHarshnessEnabled(!enhancer->roadHarshnessEnabled());
    for (const modeltest::ModelNode& node : modeltest::modelsOf(root))
        EXPECT_EQ(node.model->isModified(), node.model == root || node.model == enhancer)
            << node.path.toStdString();
}

} // namespace
