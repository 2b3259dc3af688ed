#include "ModelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The switch must make every view re-read, yet it is not an edit: the record stays byte for byte.
TEST(ParamSetModel, SwitchReannouncesEveryModelWithoutWritingTheRecord) {
    modeltest::BoundTree tree(distinctConfig(0));
    modeltest::SignalLog log;
    log.watchTree(tree.root.get());
    const QByteArray before = modeltest::bytesOf(*tree.current);

    tree.paramSets->switchParamSet();

    EXPECT_EQ(modeltest::bytesOf(*tree.current), before);
    EXPECT_FALSE(tree.root->isModified());
    for (const modeltest::ModelNode& node : modeltest::modelsOf(tree.root.get())) {
        SCOPED_TRACE(node.path.toStdString());
        const QMetaObject* meta = node.model->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QByteArray notify = meta->property(i).notifySignal().name();
            if (notify.startsWith("_keo_")) {
                EXPECT_EQ(log.count(node.model, notify), 1) << notify.constData();
            }
        }
        EXPECT_GE(log.count(node.model, "modifiedStateChanged"), 1);
    }
}

} // namespace
