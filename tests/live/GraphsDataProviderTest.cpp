#include "live/GraphsDataProvider.h"

#include "ExpectedRoutes.h"
#include "GraphScene.h"
#include "KEOUI64/GraphWidgetRepainter.h"
#include "graph/GraphSource.h"
#include "graph/QuickGraphView.h"

#include <QQuickItem>
#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t fiveSecondsUs = 5000000;

// The newest value of every series of a graph, and the time stamp of its first series.
struct Step {
    std::vector<float> values;
    std::uint64_t timestamp = 0;
};

Step newestStep(JVX::QuickGraphView* graph) {
    const JVX::GraphSource& source = *graph->source();
    Step step;
    const std::uint32_t newest = source.sampleCount() - 1;
    for (std::uint32_t channel = 0; channel < source.channelCount(); ++channel)
        step.values.push_back(source.sample(channel, newest).value);
    step.timestamp = source.sampleCount() ? source.sample(0, newest).timestamp : 0;
    return step;
}

std::vector<float> expectedValues(std::size_t route, const KEOOutputRecord& record) {
    return expected::valuesFor(expected::routes[route].series, record);
}

class GraphsDataProviderTest : public ::testing::Test {
protected:
    void deliver(std::uint64_t timestampUs = fiveSecondsUs) {
        const KEOOutputRecord first = expected::distinctRecord(0, timestampUs);
        const KEOOutputRecord second = expected::distinctRecord(1, timestampUs);
        provider.onOutputs(&first, &second, false);
    }

    // The newest step of every graph holds the values of `variant`'s record, stamped `stampMs`.
    static void expectEveryGraphShows(const GraphScene& scene, int variant, std::uint64_t stampMs) {
        const KEOOutputRecord record = expected::distinctRecord(variant, 0);
        for (std::size_t route = 0; route < routing::graphCount; ++route) {
            const Step step = newestStep(scene.graph(route));
            EXPECT_EQ(step.values, expectedValues(route, record))
                << expected::routes[route].objectName;
            EXPECT_EQ(step.timestamp, stampMs) << expected::routes[route].objectName;
        }
    }

    GraphScene scene;
    JVX::GraphWidgetRepainter repainter;
    GraphsDataProvider provider{&repainter};
};

TEST_F(GraphsDataProviderTest, OneDeliveryReachesEveryGraphFoundByNameWithExactlyItsSeries) {
    provider.attachGraphs(scene.view());
    EXPECT_EQ(provider.attachedGraphCount(), int(routing::graphCount));
    EXPECT_EQ(repainter.size(), routing::graphCount);
    deliver();
    expectEveryGraphShows(scene, 0, fiveSecondsUs / 1000);
    for (std::size_t route = 0; route < routing::graphCount; ++route) {
        EXPECT_EQ(provider.graph(route), scene.graph(route)) << route;
        EXPECT_TRUE(scene.graph(route)->needsRepaint());
    }
}

// Fresh graphs for every cluster: a graph's first step stores the values unfiltered, so they can
// be compared exactly. These providers have no repaint scheduler: the graphs are fed all the same.
TEST_F(GraphsDataProviderTest, OnlyClusterOneShowsTheSecondRecord) {
    for (const int cluster : {1, 0, 2, -1}) {
        GraphScene fresh;
        GraphsDataProvider clustered(nullptr);
        clustered.attachGraphs(fresh.view());
        clustered.setCluster(cluster);
        const KEOOutputRecord first = expected::distinctRecord(0, fiveSecondsUs);
        const KEOOutputRecord second = expected::distinctRecord(1, fiveSecondsUs);
        clustered.onOutputs(&first, &second, false);
        SCOPED_TRACE(cluster);
        expectEveryGraphShows(fresh, cluster == 1 ? 1 : 0, fiveSecondsUs / 1000);
    }
}

TEST_F(GraphsDataProviderTest, AStampBelowAMillisecondUsesTheGraphsOwnClock) {
    for (std::size_t route = 0; route < routing::graphCount; ++route)
        scene.graph(route)->source()->setClock([] { return std::uint64_t(4242); });
    provider.attachGraphs(scene.view());
    deliver(999);
    expectEveryGraphShows(scene, 0, 4242);
    deliver(1000);
    expectEveryGraphShows(scene, 0, 1);
}

TEST_F(GraphsDataProviderTest, SummationGraphsGetTheirCaptionsAndPitchShowsSevenSeries) {
    provider.attachGraphs(scene.view());
    deliver();
    for (const auto& sum : expected::sumCaptions) {
        QStringList wanted;
        for (const char* caption : sum.second)
            wanted << QString::fromUtf8(caption);
        auto* graph = scene.root()->findChild<JVX::QuickGraphView*>(sum.first);
        ASSERT_TRUE(graph);
        EXPECT_EQ(graph->captions(), wanted.mid(0, JVX::QuickGraphView::maxCaptions)) << sum.first;
    }
    JVX::QuickGraphView* pitch = scene.graph(routing::pitchSumRoute);
    EXPECT_EQ(pitch->source()->channelCount(), 7u);
    EXPECT_EQ(pitch->captions().size(), 6);
    EXPECT_TRUE(scene.graph(0)->captions().isEmpty()); // the views caption the others
}

// Without the pitch sum the summation graphs that are there get no captions either.
TEST_F(GraphsDataProviderTest, MissingGraphsLeaveTheirSlotsEmpty) {
    GraphScene partial({0, 5, routing::heaveSumRoute});
    provider.attachGraphs(partial.view());
    EXPECT_EQ(provider.attachedGraphCount(), 3);
    EXPECT_EQ(provider.graph(5), partial.graph(5));
    EXPECT_EQ(provider.graph(6), nullptr);
    EXPECT_EQ(repainter.size(), 3u);
    EXPECT_TRUE(partial.graph(routing::heaveSumRoute)->captions().isEmpty());
    const KEOOutputRecord record = expected::distinctRecord(0, fiveSecondsUs);
    provider.onOutputs(&record, &record, true);
    EXPECT_EQ(newestStep(partial.graph(routing::heaveSumRoute)).values,
              expectedValues(routing::heaveSumRoute, record));
}

// The view deletes its items before its QObject children, the provider among them: the
// provider must have let go of the items by then.
TEST_F(GraphsDataProviderTest, ForgetsTheGraphsWhenTheRootItemGoes) {
    auto* owned = new GraphsDataProvider(&repainter, scene.view());
    owned->attachGraphs(scene.view());
    int attachedWhenRootWent = -1;
    QObject::connect(scene.root(), &QObject::destroyed,
                     [&] { attachedWhenRootWent = owned->attachedGraphCount(); });
    provider.attachGraphs(scene.view());

    delete scene.root();

    EXPECT_EQ(provider.attachedGraphCount(), 0);
    EXPECT_EQ(attachedWhenRootWent, 0); // connected before this test's own handler
    deliver();                          // finds nothing to feed
}

} // namespace
