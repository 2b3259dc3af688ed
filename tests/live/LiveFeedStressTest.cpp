// The host delivers at 5000 records per second on its own thread while the GUI thread does what a
// user does with the graphs, then destroys the view in the middle of the deliveries. Meant to run
// under ThreadSanitizer and AddressSanitizer: a report there is the failure this test looks for.
#include "EditorOptions.h"
#include "EngineOutputSource.h"
#include "GraphScene.h"
#include "KEOUI64/GraphWidgetRepainter.h"
#include "RepaintScheduler.h"
#include "graph/GraphSource.h"
#include "graph/GraphWindow.h"
#include "graph/QuickGraphView.h"
#include "live/DataRetriever.h"
#include "live/GraphsDataProvider.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <gtest/gtest.h>

namespace {

constexpr int recordsPerSecond = 5000;
constexpr int rounds = 4;
constexpr int roundMs = 1500;

class CountingListener : public IKEOOutputDataRetriever {
public:
    void onOutputs(const KEOOutputRecord*, const KEOOutputRecord*, bool) override {
        m_count.fetch_add(1, std::memory_order_relaxed);
    }
    long count() const { return m_count.load(std::memory_order_relaxed); }

private:
    std::atomic<long> m_count{0};
};

void processEventsFor(int ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

JVX::QuickGraphView* graphOfStep(const GraphScene& scene, int step) {
    return scene.graph(std::size_t(step * 37) % routing::graphCount);
}

// One user action per step, cycling through what the graphs offer. Half the bigger views stay
// open, so that teardown also deletes open windows.
void actOnce(int step, const GraphScene& scene, GraphsDataProvider& provider,
             JVX::GraphWidgetRepainter& repainter) {
    JVX::QuickGraphView* graph = graphOfStep(scene, step);
    switch (step % 6) {
    case 0:
        provider.setCluster((step / 6) % 2);
        break;
    case 1:
        graph->showBiggerView();
        break;
    case 2: {
        JVX::GraphWindow* opened = graphOfStep(scene, step - 1)->biggerView();
        if (opened && step % 4 != 2)
            opened->close();
        break;
    }
    case 3:
        graph->source()->setFftEnabled(!graph->source()->fftEnabled());
        break;
    case 4:
        graph->source()->setFilterStrength(1 + step % 10);
        graph->source()->setConversion(step % 9);
        graph->source()->setMaxOnScreen(step % 12 == 4 ? 50 : 400);
        graph->source()->setYLimit(step % 12 == 4 ? 0.0f : 5.0f);
        break;
    case 5:
        repainter.toggleFreeze();
        break;
    }
}

TEST(LiveFeedStress, UserActionsAndTeardownDuringDeliveries) {
    for (int round = 0; round < rounds; ++round) {
        CountingListener deliveries; // outlives the retriever, which goes with the view
        JVX::GraphWidgetRepainter repainter;
        RepaintScheduler scheduler(repainter);
        GraphScene scene;
        auto* retriever = new DataRetriever(
            std::make_unique<EngineOutputSource>(engine::drive::makeManoeuvre("mix"),
                                                 recordsPerSecond, defaultWorkEnvelopes()),
            scene.view());
        auto* provider = new GraphsDataProvider(&repainter, scene.view());
        provider->attachGraphs(scene.view());
        retriever->addListener(provider);
        retriever->addListener(&deliveries);
        scene.view()->show();

        QElapsedTimer elapsed;
        elapsed.start();
        for (int step = 0; elapsed.elapsed() < roundMs; ++step) {
            actOnce(step, scene, *provider, repainter);
            processEventsFor(2);
        }
        const long beforeTeardown = deliveries.count();
        scene.destroyView();
        const long afterTeardown = deliveries.count();
        processEventsFor(20); // windows closed with deleteLater go now

        // Deliveries ran throughout; the view's destruction stopped them for good.
        EXPECT_GT(beforeTeardown, recordsPerSecond / 10) << "round " << round;
        EXPECT_EQ(deliveries.count(), afterTeardown) << "round " << round;
    }
}

} // namespace
