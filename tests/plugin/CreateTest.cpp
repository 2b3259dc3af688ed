// Building the editor in a host's view: result codes, what is shown, sizes, the window title,
// the host objects' ownership, and a start-up free of QML warnings.
#include "EditorHost.h"
#include "QmlTypes.h"
#include "graph/GraphWindow.h"
#include "graph/QuickGraphView.h"
#include "live/GraphsDataProvider.h"
#include "models/WorkEnvelopeModel.h"
#include "platform/ScreenScale.h"
#include "script/ConfigManager.h"
#include "support/GuiTestMessages.h"

#include <gtest/gtest.h>

namespace {

// Counts what the editor does with the host's output source.
struct SourceLog {
    int destroyed = 0;
    std::vector<IKEOOutputDataRetriever*> receivers;
};

class FakeOutputSource : public HostOutputSource {
public:
    explicit FakeOutputSource(SourceLog& log)
        : m_log(log) {}
    ~FakeOutputSource() override { ++m_log.destroyed; }
    void setReceiver(IKEOOutputDataRetriever* receiver) override {
        m_log.receivers.push_back(receiver);
    }

private:
    SourceLog& m_log;
};

class CreateTest : public ::testing::Test {
protected:
    CreateTest() {
        host.envelopes = {
            {{0.5f, 0.4f, 0.3f, 0.2f, 0.25f, 0.3f, 7}, {0.6f, 0.5f, 0.4f, 0.3f, 0.35f, 0.4f, 9}}};
        GuiTestMessages::instance().take();
    }

    int create(QQuickView* view, const QString& path, HostOutputSource* source = nullptr,
               bool attached = false) {
        return host.create(view, path, source, attached);
    }

    QString copyOfExample(const std::string& name) { return qPath(host.copyOfExample(name)); }

    static ConfigManager* managerOf(const QQuickView& view) {
        return view.findChild<ConfigManager*>();
    }

    EditorHost host;
};

TEST_F(CreateTest, NullViewDestroysTheSourceOnce) {
    SourceLog log;
    EXPECT_EQ(create(nullptr, copyOfExample("one_cluster.cpp"), new FakeOutputSource(log)), 6);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_TRUE(log.receivers.empty());
    EXPECT_EQ(create(nullptr, QString()), 6);
}

TEST_F(CreateTest, MissingFileShowsNoWindow) {
    auto view = makeView();
    EXPECT_EQ(create(view.get(), qPath(host.temp.file("missing.cpp"))), 2);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(view->source().isEmpty());
    ASSERT_NE(managerOf(*view), nullptr);
    EXPECT_EQ(managerOf(*view)->errorCounter(), 1);
}

TEST_F(CreateTest, TwoClustersWaitForTheChoiceAndTheTitleAndEnvelopeFollow) {
    auto view = makeView();
    const QString path = copyOfExample("two_clusters.cpp");
    EXPECT_EQ(create(view.get(), path), 0);
    ConfigManager* manager = managerOf(*view);
    EXPECT_FALSE(manager->isConfigLoaded());
    EXPECT_EQ(manager->multiConfigTrigger(), 1);
    EXPECT_EQ(view->title(), "KEO Editor - " + path + " [Cluster #1]");

    ASSERT_TRUE(manager->setConfigFromUi(1));
    EXPECT_EQ(view->title(), "KEO Editor - " + path + " [Cluster #2]");
    auto* workEnvelope = view->findChild<WorkEnvelopeModel*>();
    EXPECT_FLOAT_EQ(workEnvelope->roll(), 0.6f * 57.295776f);
    ASSERT_TRUE(manager->setConfigFromUi(0));
    EXPECT_FLOAT_EQ(workEnvelope->surge(), 0.3f);
    EXPECT_TRUE(GuiTestMessages::instance().take().isEmpty());
}

TEST_F(CreateTest, EmptyPathShowsTheLoadPageAtAMinimumSizeFollowingTheScale) {
    struct Case {
        double scale;
        QSize minimum;
    };
    for (const Case& c :
         {Case{1.5, {2130, 1260}}, Case{1.25, {1775, 1050}}, Case{1.0, {1420, 840}}}) {
        SCOPED_TRACE(c.scale);
        auto view = makeView(c.scale);
        view->resize(200, 3000);
        ASSERT_EQ(create(view.get(), QString()), 5);
        EXPECT_TRUE(view->isVisible());
        ASSERT_NE(view->rootObject(), nullptr);
        EXPECT_FALSE(managerOf(*view)->isConfigLoaded());
        EXPECT_EQ(view->title(), "KEO Editor");
        EXPECT_EQ(view->minimumSize(), c.minimum);
        EXPECT_EQ(view->size(), c.minimum);
    }
    auto large = makeView(1.0);
    large->resize(1600, 1000);
    ASSERT_EQ(create(large.get(), QString()), 5);
    EXPECT_EQ(large->size(), QSize(1600, 1000));
    EXPECT_TRUE(GuiTestMessages::instance().take().isEmpty());
}

TEST_F(CreateTest, OutputSourceLivesAsLongAsTheView) {
    SourceLog log;
    auto view = makeView();
    ASSERT_EQ(create(view.get(), QString(), new FakeOutputSource(log)), 5);
    EXPECT_TRUE(view->rootContext()->contextProperty(QStringLiteral("cpp_graphsEnabled")).toBool());
    ASSERT_EQ(log.receivers.size(), 1u);
    EXPECT_NE(log.receivers[0], nullptr);
    EXPECT_EQ(log.destroyed, 0);
    view.reset();
    EXPECT_EQ(log.destroyed, 1);
    ASSERT_EQ(log.receivers.size(), 2u);
    EXPECT_EQ(log.receivers[1], nullptr);

    auto withoutSource = makeView();
    ASSERT_EQ(create(withoutSource.get(), QString()), 5);
    EXPECT_FALSE(withoutSource->rootContext()
                     ->contextProperty(QStringLiteral("cpp_graphsEnabled"))
                     .toBool());
}

TEST_F(CreateTest, DestructionNotifierKnowsTheRetrieverOnlyWhileItLives) {
    SourceLog log;
    auto view = makeView();
    ASSERT_EQ(create(view.get(), QString(), new FakeOutputSource(log)), 5);
    // The host announces that its source goes: the editor lets go of it at once.
    host.notifier.notifyAboutToBeDestroyed();
    EXPECT_EQ(log.destroyed, 1);
    view.reset();
    EXPECT_EQ(log.destroyed, 1);

    auto second = makeView();
    ASSERT_EQ(create(second.get(), QString(), new FakeOutputSource(log)), 5);
    second.reset();
    host.notifier.notifyAboutToBeDestroyed(); // must not reach the destroyed editor
    EXPECT_EQ(log.destroyed, 2);
}

// A host may hand in no notifier; a second editor must find the types registered once.
TEST_F(CreateTest, TypesAreRegisteredOnceAndWorkForEveryView) {
    auto bare = makeView();
    EXPECT_EQ(Create(bare.get(), QString(), false, nullptr, nullptr, nullptr, nullptr), 5);
    auto first = makeView();
    ASSERT_EQ(create(first.get(), QString()), 5);
    EXPECT_FALSE(registerQmlTypesOnce());
    auto second = makeView();
    ASSERT_EQ(create(second.get(), copyOfExample("one_cluster.cpp"), nullptr, true), 0);
    EXPECT_NE(second->rootObject(), nullptr);
    EXPECT_TRUE(managerOf(*second)->attachedToScript());
    EXPECT_TRUE(second->errors().isEmpty());
}

// The live feed finds its graphs by name in the loaded pages: every slot must be filled.
TEST_F(CreateTest, EveryGraphOfThePagesIsFedAndRepainted) {
    SourceLog log;
    auto view = makeView();
    ASSERT_EQ(create(view.get(), copyOfExample("two_clusters.cpp"), new FakeOutputSource(log)), 0);
    auto* graphs = view->findChild<GraphsDataProvider*>();
    ASSERT_NE(graphs, nullptr);
    EXPECT_EQ(graphs->attachedGraphCount(), 114);
    for (std::size_t route = 0; route < 114; ++route)
        EXPECT_NE(graphs->graph(route), nullptr) << route;
    EXPECT_EQ(host.repainter.size(), 114u);
    ASSERT_EQ(log.receivers.size(), 1u);
    EXPECT_EQ(graphs->cluster(), 0);
    ASSERT_TRUE(managerOf(*view)->setConfigFromUi(1));
    EXPECT_EQ(graphs->cluster(), 1);
    EXPECT_TRUE(GuiTestMessages::instance().take().isEmpty());
}

// Each block's "Graph" link is there only while the host supplies live data, and opens the
// bigger view of that block's own graph.
TEST_F(CreateTest, GraphLinkIsShownOnlyWithGraphsAndOpensItsBlocksGraph) {
    const QString script = copyOfExample("one_cluster.cpp");
    for (const bool withGraphs : {false, true}) {
        SourceLog log;
        auto view = makeView();
        ASSERT_EQ(create(view.get(), script, withGraphs ? new FakeOutputSource(log) : nullptr), 0);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        QQuickItem* block =
            findItem(*findItem(*view->rootObject(), "lateralPage"), "travelOutputFilter");
        ASSERT_NE(block, nullptr);
        QQuickItem* link = findItem(*block, "graphLink");
        const QList<JVX::QuickGraphView*> graphs = block->findChildren<JVX::QuickGraphView*>();
        ASSERT_NE(link, nullptr);
        ASSERT_EQ(graphs.size(), 1);
        EXPECT_EQ(link->isVisible(), withGraphs);
        if (!withGraphs)
            continue;
        clickCentre(*view, *link);
        ASSERT_NE(graphs[0]->biggerView(), nullptr);
        EXPECT_EQ(graphs[0]->biggerView()->windowTitle(), graphs[0]->title());
        int opened = 0;
        for (auto* graph : view->rootObject()->findChildren<JVX::QuickGraphView*>())
            opened += graph->biggerView() ? 1 : 0;
        EXPECT_EQ(opened, 1);
    }
}

} // namespace
