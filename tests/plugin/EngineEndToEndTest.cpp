// The editor with the motion-cueing engine behind its output source, as keo-editor runs it: the
// engine follows the configuration the editor tells it, a braking manoeuvre shows in the
// longitudinal graphs with the travel washing out to neutral once the vehicle stands, and an edit
// of a cutoff changes what the next steps deliver, without a save.
#include "EditorHost.h"
#include "EditorOptions.h"
#include "EngineOutputSource.h"
#include "graph/GraphSource.h"
#include "graph/QuickGraphView.h"
#include "models/AxisConfigModel.h"
#include "models/ConfigModel.h"
#include "models/FilterConfigModel.h"
#include "models/TravelConfigModel.h"
#include "script/ConfigManager.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// What one series of a graph showed while the drive played once.
struct Seen {
    float peak = 0.0f;
    float last = 0.0f;
};

constexpr int rate = 1000;

// Runs the event loop until `done` holds, for a minute at most.
template <class Condition> bool waitUntil(Condition done) {
    return QTest::qWaitFor(done, 60000);
}
// Room for a whole pass of the braking drive in every graph.
constexpr std::uint32_t graphCapacity = 25000;

// Plays the drive once from its start with both engines at rest, then reads what the graphs hold.
std::vector<Seen> playOnce(EngineOutputSource& engines,
                           const std::vector<std::pair<JVX::QuickGraphView*, int>>& series) {
    engines.restart();
    engines.setPlaying(true);
    EXPECT_TRUE(waitUntil([&] { return !engines.isPlaying(); }));
    const auto steps = std::uint32_t(std::floor(engines.drive().duration() * rate)) + 1;
    std::vector<Seen> seen(series.size());
    for (std::size_t i = 0; i < series.size(); ++i) {
        const JVX::GraphSource& source = *series[i].first->source();
        const std::uint32_t count = source.sampleCount();
        EXPECT_GE(count, steps);
        for (std::uint32_t k = count - std::min(count, steps); k < count; ++k) {
            const float value = source.sample(std::uint32_t(series[i].second), k).value;
            seen[i].peak = std::max(seen[i].peak, std::fabs(value));
            seen[i].last = value;
        }
    }
    return seen;
}

TEST(EngineEndToEnd, BrakingWashesOutAndACutoffEditTakesEffectWithoutASave) {
    EditorHost host;
    const auto script = host.copyOfExample("one_cluster.cpp");
    const std::string original = readBytes(script);

    host.envelopes = defaultWorkEnvelopes();
    auto* engines =
        new EngineOutputSource(engine::drive::makeManoeuvre("braking"), rate, host.envelopes);
    engines->setPlaying(false);
    engines->setLooping(false);
    engines->setSpeed(EngineOutputSource::fastest);
    auto view = makeView();
    ASSERT_EQ(host.create(view.get(), qPath(script), engines), 0);
    ASSERT_TRUE(waitUntil([&] { return engines->configurationsTold() == 1; }));

    QQuickItem* root = view->rootObject();
    auto* filterGraph =
        root->findChild<JVX::QuickGraphView*>(QStringLiteral("__longitudinal.outputTravelFilter"));
    auto* limitGraph =
        root->findChild<JVX::QuickGraphView*>(QStringLiteral("__longitudinal.outputTravelLimit"));
    ASSERT_TRUE(filterGraph && limitGraph);
    filterGraph->source()->setMaxOnScreen(graphCapacity);
    limitGraph->source()->setMaxOnScreen(graphCapacity);
    // The output filter's output (word 23) and the path's output travel after its limit (24).
    const std::vector<std::pair<JVX::QuickGraphView*, int>> series = {{filterGraph, 1},
                                                                      {limitGraph, 1}};

    const std::vector<Seen> before = playOnce(*engines, series);
    EXPECT_GT(before[1].peak, 0.02f) << "braking moves the platform back and forth";
    EXPECT_LT(std::fabs(before[1].last), 0.15f * before[1].peak)
        << "standing still, the travel has washed out to neutral";

    // The travel path's output filter (a 20 Hz low-pass) down to 0.02 Hz, in the parameter set
    // shown: it now lets hardly any of the braking through.
    ConfigModel* config = view->findChild<ConfigManager*>()->configModel();
    config->longitudinalConfigModel()
        ->travelConfigModel()
        ->outputTravelFilterModel()
        ->setCutoffFrequency(0.02f);
    ASSERT_TRUE(waitUntil([&] { return engines->configurationsTold() == 2; }));
    EXPECT_TRUE(view->title().endsWith('*'));

    const std::vector<Seen> after = playOnce(*engines, series);
    EXPECT_LT(after[0].peak, 0.3f * before[0].peak);
    EXPECT_GT(after[0].peak, 0.0f);
    EXPECT_EQ(readBytes(script), original) << "nothing was saved";
}

} // namespace
