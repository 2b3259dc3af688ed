// Looking is not editing: a configuration full of awkward numbers is opened, every page is shown
// in both parameter sets, and nothing may change - no model reports a modification and saving
// gives exactly the file that saving straight after loading gives.
#include "EditorHost.h"
#include "config/ConfigFields.h"
#include "models/ConfigModel.h"
#include "script/ConfigManager.h"
#include "script/ScriptFile.h"
#include "support/Eventually.h"
#include "support/GuiTestMessages.h"

#include <gtest/gtest.h>

namespace {

// Numbers a four-decimal field cannot show as they are stored: tiny negatives that show as
// "-0,0000", a negative zero, more decimals than shown, halves of the last shown decimal, and
// values far outside the fields' ranges.
constexpr std::array<float, 11> edgeValues = {-0.00004f, -0.0f,      1.234567f, 0.00005f,
                                              -0.00005f, 98765.43f,  -250.5f,   1e-7f,
                                              -1e-7f,    3.3333333f, 0.99995f};

// The tilt input limits are cut to one G when a cluster is chosen, which is an intended edit;
// they get the awkward numbers that lie within one G.
constexpr std::array<float, 4> edgeValuesWithinOneG = {-0.00004f, -0.0f, 9.80999f, 1.234567f};

// Gives every field of the record a value of its own kind, walking the lists so that each
// parameter set of each field gets another entry than its neighbours.
struct EdgeFiller {
    std::size_t next;

    float nextValue() { return edgeValues[next++ % edgeValues.size()]; }
    void operator()(FloatPair& pair) {
        pair[0] = nextValue();
        pair[1] = nextValue();
    }
    void operator()(bool& flag) { flag = next++ % 2 == 0; }
    void operator()(KEOFilterType::Enum& type) {
        type = static_cast<KEOFilterType::Enum>(int(next++ % (KEOFilterType::Count + 1)) - 1);
    }
    void operator()(KEOLimitationType::Enum& type) {
        type = static_cast<KEOLimitationType::Enum>(next++ % KEOLimitationType::Count);
    }
};

Config edgeConfig(std::size_t shift) {
    Config config = zeroConfig();
    EdgeFiller filler{shift};
    configFields::visit(config, filler);
    std::size_t next = shift;
    for (AxisConfig* axis : {&config.lateral, &config.longitudinal, &config.vertical})
        for (float& value : axis->tiltCoordinationInputLimit.maxValue.values)
            value = edgeValuesWithinOneG[next++ % edgeValuesWithinOneG.size()];
    return config;
}

// A two-cluster script whose sections hold the edge records.
std::filesystem::path writeEdgeScript(const TempDir& temp, const std::string& name) {
    const auto script = temp.copyOfExample("two_clusters.cpp", name);
    const ConfigMap configs = {{0, edgeConfig(0)}, {1, edgeConfig(5)}};
    if (!saveScript(script.u16string(), configs).ok())
        throw std::runtime_error("cannot write the edge script");
    return script;
}

// The file as saving right after loading and choosing `cluster` leaves it.
std::string savedStraightAfterLoading(const TempDir& temp, int cluster) {
    const auto script = writeEdgeScript(temp, "straight" + std::to_string(cluster) + ".cpp");
    ConfigManager manager(script.u16string(), false);
    if (!manager.load().ok() || !manager.setConfigFromUi(cluster) || !manager.save().ok())
        throw std::runtime_error("cannot load and save the edge script");
    return readBytes(script);
}

class UntouchedEditorTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { GuiTestMessages::instance().take(); }

    QQuickItem* item(const char* name, const QObject* scope = nullptr) const {
        return findItem(scope ? *scope : *view->rootObject(), name);
    }

    void click(const char* name, const QObject* scope = nullptr) {
        QQuickItem* target = item(name, scope);
        ASSERT_NE(target, nullptr) << name;
        clickCentre(*view, *target);
    }

    ConfigManager* manager() const { return view->findChild<ConfigManager*>(); }

    EditorHost host;
    std::unique_ptr<QQuickView> view = makeView();
};

TEST_P(UntouchedEditorTest, ShowingEveryPageInBothParameterSetsChangesNothing) {
    const int cluster = GetParam();
    const std::string expected = savedStraightAfterLoading(host.temp, cluster);
    const auto script = writeEdgeScript(host.temp, "shown.cpp");
    ASSERT_EQ(host.create(view.get(), qPath(script)), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QObject* clusterDialog = view->rootObject()->findChild<QObject*>("clusterDialog");
    ASSERT_NE(clusterDialog, nullptr);
    ASSERT_TRUE(eventually([&] { return clusterDialog->property("opened").toBool(); }));
    click(cluster == 0 ? "dialogFirstButton" : "dialogSecondButton", clusterDialog);
    ASSERT_TRUE(eventually([&] { return view->rootObject()->isEnabled(); }));
    ASSERT_EQ(manager()->configModelId(), cluster);

    const std::pair<const char*, const char*> pages[] = {
        {"lateralTabButton", "lateralPage"},       {"longitudinalTabButton", "longitudinalPage"},
        {"verticalTabButton", "verticalPage"},     {"absoluteTabButton", "absolutePage"},
        {"mixerTabButton", "mixerPage"},           {"enhancerTabButton", "enhancerPage"},
        {"understeerTabButton", "understeerPage"}, {"multiplexerTabButton", "multiplexerPage"},
        {"optionsTabButton", "optionsPage"}};
    for (const char* paramSet : {"paramSet2Radio", "paramSet1Radio"}) {
        click(paramSet);
        ASSERT_TRUE(item(paramSet)->property("checked").toBool()) << paramSet;
        for (const auto& [button, page] : pages) {
            click(button);
            ASSERT_TRUE(item(page)->isVisible()) << page;
            view->grabWindow(); // a frame of the page as shown
        }
    }
    // A block whose model the page names wrongly is left without one and shows zeros silently.
    int blocks = 0;
    for (const QQuickItem* block : view->rootObject()->findChildren<QQuickItem*>()) {
        const QMetaObject* type = block->metaObject();
        if (!QByteArray(type->className()).startsWith("KEO_") || type->indexOfProperty("model") < 0)
            continue;
        ++blocks;
        EXPECT_NE(block->property("model").value<QObject*>(), nullptr)
            << type->className() << " " << block->objectName().toStdString();
    }
    EXPECT_GT(blocks, 100);

    BaseModel* root = manager()->configModel();
    QList<BaseModel*> models = root->findChildren<BaseModel*>();
    models.prepend(root);
    for (const BaseModel* model : models)
        EXPECT_FALSE(model->isModified()) << model->metaObject()->className();
    EXPECT_FALSE(view->title().endsWith('*')) << view->title().toStdString();
    EXPECT_EQ(item("saveTabButton")->property("text").toString(), "Save");

    manager()->saveFromUi();
    EXPECT_EQ(manager()->errorCounter(), 0);
    EXPECT_TRUE(readBytes(script) == expected)
        << "the file differs from saving straight after loading";
    EXPECT_TRUE(GuiTestMessages::instance().take().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothClusters, UntouchedEditorTest, ::testing::Values(0, 1));

} // namespace
