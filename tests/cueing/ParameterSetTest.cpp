// The scores and the frequency response follow the parameter set they are asked for: where the
// two sets of the bundled example hold different numbers their judgements differ, and where a
// copy of the example holds the same numbers in both they are identical.
#include "config/ConfigFields.h"
#include "config/ConfigReader.h"
#include "cueing/FrequencyResponse.h"
#include "cueing/Scorer.h"
#include "engine/Engine.h"
#include "engine/drive/Drive.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr double stepRate = 500.0;
constexpr WorkEnvelopeLimits envelope{0.38f, 0.38f, 0.44f, 0.18f, 0.22f, 0.24f, 1};
constexpr double head[3] = {0.0, 0.0, 0.0};

Config example() {
    std::ifstream file(std::string(KEO_EXAMPLES_DIR) + "/config_v1.json");
    Config config = zeroConfig();
    readConfig(Json::parse(file), config);
    return config;
}

// Every number of parameter set 2 made that of set 1.
Config withSetsAlike(Config config) {
    struct CopyFirst {
        void operator()(FloatPair& p) { p[1] = p[0]; }
        void operator()(bool&) {}
        void operator()(KEOFilterType::Enum&) {}
        void operator()(KEOLimitationType::Enum&) {}
    } copy;
    configFields::visit(config, copy);
    return config;
}

cueing::Scores scoresAlongLaneChange(const Config& config, KEOParamSet::Enum set) {
    engine::Engine engine;
    engine.configure(config, set, envelope, stepRate);
    const auto scorer = std::make_unique<cueing::CueingScorer>(
        cueing::ScorerSettings::of(config, engine.tuning(), stepRate, head));
    engine::drive::DrivePlayer player(engine::drive::makeManoeuvre("lane-change"), stepRate, false);
    KEOOutputRecord record{};
    engine::VehicleInput input;
    while (player.next(input)) {
        engine.step(input, 1.0 / stepRate, record);
        record.setTimestampUs(std::uint64_t(player.stepsDone() * 1e6 / stepRate));
        scorer->add(record);
    }
    return scorer->wholeDrive();
}

// The numbers a comparison of two judgements looks at; a score that has no meaning (NaN) counts as
// -1, so that two equal judgements compare equal.
std::vector<double> numbersOf(const cueing::Scores& s, const cueing::FrequencyResponse& f) {
    std::vector<double> numbers;
    for (const cueing::ChannelScores& c : s.channels)
        for (double x : {c.errorRms, c.platformRms, c.correlation, c.gain, c.delaySeconds,
                         c.falseCues.seconds, c.missingCues.seconds})
            numbers.push_back(std::isnan(x) ? -1.0 : x);
    for (int r = 0; r < cueing::responseCount; ++r)
        for (int k = 0; k < cueing::testFrequencyCount; ++k)
            numbers.insert(numbers.end(), {f.values[r][k].real(), f.values[r][k].imag()});
    return numbers;
}

std::vector<double> judgementOf(const Config& config, KEOParamSet::Enum set) {
    return numbersOf(scoresAlongLaneChange(config, set),
                     cueing::frequencyResponse(config, set, envelope, stepRate, head));
}

TEST(ParameterSets, JudgementsDifferWhereTheNumbersDoAndAreEqualWhereTheyAreEqual) {
    const Config differing = example();
    const Config alike = withSetsAlike(differing);
    EXPECT_NE(judgementOf(differing, KEOParamSet::First),
              judgementOf(differing, KEOParamSet::Second));
    EXPECT_EQ(judgementOf(alike, KEOParamSet::First), judgementOf(alike, KEOParamSet::Second));
    EXPECT_EQ(judgementOf(alike, KEOParamSet::First), judgementOf(differing, KEOParamSet::First))
        << "copying set 1 over set 2 leaves set 1 as it was";
}

} // namespace
