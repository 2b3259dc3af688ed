// Saving and reloading must give back what the user edited: any value the writer drops or the
// reader misplaces is a silent loss of tuning work.
#include "ConfigTestSupport.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"

#include <gtest/gtest.h>

namespace {

struct FixedTypeFilter {
    FilterConfig* filter;
    KEOFilterType::Enum type;
};

// The filters whose type the algorithm fixes, so only their cutoff is stored.
std::vector<FixedTypeFilter> cutoffOnlyFilters(Config& c) {
    std::vector<FixedTypeFilter> filters;
    for (AxisConfig* axis : {&c.lateral, &c.longitudinal, &c.vertical}) {
        filters.push_back({&axis->travel.accelerationFilter, KEOFilterType::HighPass});
        filters.push_back({&axis->travel.velocityFilter, KEOFilterType::HighPassDelta});
        filters.push_back({&axis->travel.travelFilter, KEOFilterType::HighPassDelta});
        filters.push_back({&axis->tiltCoordination.accelerationFilter, KEOFilterType::LowPass});
        filters.push_back({&axis->angularVelocity.velocityFilter, KEOFilterType::HighPass});
        filters.push_back({&axis->angularVelocity.angleFilter, KEOFilterType::HighPassDelta});
    }
    filters.push_back({&c.enhancer.sideslipToYaw.highpassFilter, KEOFilterType::HighPass});
    filters.push_back({&c.enhancer.sideslipToRoll.highpassFilter, KEOFilterType::HighPass});
    filters.push_back({&c.enhancer.roadHarshness.highpassFilter, KEOFilterType::HighPass});
    filters.push_back({&c.understeer.intendedTurningCurveFilter, KEOFilterType::LowPass});
    filters.push_back({&c.understeer.actualTurningCurveFilter, KEOFilterType::LowPass});
    filters.push_back({&c.understeer.yawRateFilter, KEOFilterType::LowPass});
    return filters;
}

// The filters stored with their name; their cutoff range is derived from the cutoff on reading.
std::vector<FilterConfig*> fullFilters(Config& c) {
    std::vector<FilterConfig*> filters;
    for (AxisConfig* axis : {&c.lateral, &c.longitudinal, &c.vertical}) {
        filters.push_back(&axis->travel.outputFilter);
        filters.push_back(&axis->tiltCoordination.outputFilter);
        filters.push_back(&axis->angularVelocity.outputFilter);
    }
    for (AbsoluteAngleConfig* path : {&c.absolutePitch, &c.absoluteRoll}) {
        filters.push_back(&path->outputFilter);
    }
    for (MixerPathConfig* path :
         {&c.mixer.swayToRoll, &c.mixer.yawToRoll, &c.mixer.surgeToPitch, &c.mixer.heaveToPitch,
          &c.mixer.roadHarshnessToSurge, &c.mixer.roadHarshnessToPitch, &c.understeer.toYaw,
          &c.understeer.toRoll}) {
        filters.push_back(&path->outputFilter);
    }
    filters.push_back(&c.enhancer.sideslipToYaw.outputFilter);
    filters.push_back(&c.enhancer.sideslipToRoll.outputFilter);
    filters.push_back(&c.enhancer.roadHarshness.outputFilter);
    return filters;
}

FloatPair scaled(const FloatPair& pair, float factor) {
    return FloatPair{{pair[0] * factor, pair[1] * factor}};
}

// What the documented losses of the format make of a record.
Config expectedAfterRoundTrip(Config config) {
    for (const FixedTypeFilter& fixed : cutoffOnlyFilters(config)) {
        fixed.filter->cutoffStart = FloatPair::both(0.0f);
        fixed.filter->cutoffEnd = FloatPair::both(0.0f);
        fixed.filter->type = fixed.type;
    }
    for (FilterConfig* filter : fullFilters(config)) {
        filter->cutoffStart = scaled(filter->cutoff, 0.05f);
        filter->cutoffEnd = scaled(filter->cutoff, 2.2f);
        if (filter->type == KEOFilterType::HighPassDelta) {
            filter->type = KEOFilterType::None;
        }
    }
    return config;
}

Config roundTrip(const Config& config) {
    Json document;
    writeConfig(config, document);
    Config readBack = distinctConfig(1); // stale contents must not survive the read
    readConfig(Json::parse(document.dump()), readBack);
    return readBack;
}

} // namespace

// Both phases together give every switch both values and cycle the types through every value.
// Every filter's range changes on the way, so a filter missing from the lists above fails here.
TEST(ConfigRoundTrip, DistinctValuesSurviveExceptTheDocumentedLosses) {
    for (const int phase : {0, 1}) {
        const Config original = distinctConfig(phase);
        EXPECT_EQ(describe(roundTrip(original)), describe(expectedAfterRoundTrip(original)))
            << "phase " << phase;
    }
}
