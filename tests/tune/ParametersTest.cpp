// The tunable parameters: each names the member it writes, the editor's pages name it the same
// way, and the default choice follows the paths that are on.
#include "tune/Parameters.h"

#include "PoorTuning.h"
#include "models/ConfigFieldTable.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace {

using tune::findParameter;
using tune::tunableParameters;

// Bytes of two records that differ.
std::vector<std::size_t> differingBytes(const Config& a, const Config& b) {
    std::vector<std::size_t> offsets;
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t i = 0; i < sizeof(Config); ++i)
        if (x[i] != y[i])
            offsets.push_back(i);
    return offsets;
}

TEST(TuneParameters, EachWritesItsOwnValueOfOneSetAndNothingElse) {
    std::set<std::size_t> written;
    for (const tune::Parameter& parameter : tunableParameters()) {
        SCOPED_TRACE(parameter.name);
        for (const auto set : {KEOParamSet::First, KEOParamSet::Second}) {
            const Config before = zeroConfig();
            Config after = before;
            parameter.setValue(after, set, 1.0f);
            const auto changed = differingBytes(before, after);
            ASSERT_FALSE(changed.empty());
            EXPECT_GE(changed.front(), parameter.offset + set * sizeof(float));
            EXPECT_LT(changed.back(), parameter.offset + (set + 1) * sizeof(float));
            EXPECT_EQ(parameter.value(after, set), 1.0f);
            EXPECT_TRUE(written.insert(changed.front()).second) << "another parameter writes it";
        }
    }
}

TEST(TuneParameters, NamesFollowTheRecordsMembers) {
    Config config = zeroConfig();
    const struct {
        const char* name;
        FloatPair* member;
    } cases[] = {
        {"longitudinal.travel.accelerationFilter.cutoff",
         &config.longitudinal.travel.accelerationFilter.cutoff},
        {"lateral.tiltCoordination.maximumRate", &config.lateral.tiltCoordination.maximumRate},
        {"vertical.angularVelocity.outputLimit.maxValueFactor",
         &config.vertical.angularVelocity.outputLimit.maxValueFactor},
        {"lateral.angularRateInputLimit.maxValue", &config.lateral.angularRateInputLimit.maxValue},
        {"enhancer.sideslipToYaw.maximumRate", &config.enhancer.sideslipToYaw.maximumRate},
        {"mixer.swayToRoll.outputFilter.cutoff", &config.mixer.swayToRoll.outputFilter.cutoff},
        {"multiplexer.surge.limitationFactor", &config.multiplexer.surge.limitationFactor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const tune::Parameter* parameter = findParameter(c.name);
        ASSERT_NE(parameter, nullptr);
        EXPECT_EQ(parameter->offset, std::size_t(reinterpret_cast<char*>(c.member) -
                                                 reinterpret_cast<char*>(&config)));
    }
    EXPECT_EQ(findParameter("longitudinal.travel"), nullptr);
    EXPECT_EQ(findParameter("longitudinal.travel.enabled"), nullptr);
}

// The editor's field table is built with Qt from the same description; a parameter must read as
// its field does on the pages, in the same unit.
TEST(TuneParameters, ReadAsThePagesShowThem) {
    for (const tune::Parameter& parameter : tunableParameters()) {
        SCOPED_TRACE(parameter.name);
        const auto& fields = configFieldTable::fields();
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
            return f.offset == parameter.offset && f.kind == configFieldTable::Kind::Float;
        });
        ASSERT_NE(field, fields.end());
        EXPECT_EQ(parameter.page, configFieldTable::pageTitle(field->page).toStdString());
        EXPECT_EQ(parameter.block, field->block.toStdString());
        EXPECT_EQ(parameter.label, field->label.toStdString());
        EXPECT_EQ(parameter.unit, field->storedUnit);
        EXPECT_LE(parameter.valid.low, parameter.tuning.low);
        EXPECT_GE(parameter.valid.high, parameter.tuning.high);
    }
}

TEST(TuneParameters, TheDefaultsAreTheTravelAndTiltValuesOfThePathsThatAreOn) {
    const Config example = bundledExample();
    const struct {
        const char* why;
        void (*change)(Config&);
        std::vector<const char*> in, out;
    } cases[] = {
        {"as bundled",
         [](Config&) {},
         {"lateral.travel.accelerationFilter.cutoff", "lateral.tiltCoordination.maximumRate",
          "longitudinal.tiltCoordination.accelerationFilter.cutoff",
          "vertical.travel.travelFilter.cutoff", "vertical.travel.outputLimit.limitationFactor"},
         // off: the vertical tilt; a cutoff at 0: the lateral travel filter
         {"vertical.tiltCoordination.maximumRate", "lateral.travel.travelFilter.cutoff",
          "lateral.angularVelocity.velocityFilter.cutoff"}},
        {"lateral travel off",
         [](Config& c) { c.lateral.travel.enabled = false; },
         {"lateral.tiltCoordination.maximumRate"},
         {"lateral.travel.accelerationFilter.cutoff",
          "lateral.travel.outputLimit.limitationFactor"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Config config = example;
        c.change(config);
        const auto names = tune::defaultParameters(config, KEOParamSet::First);
        for (const char* name : c.in)
            EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
        for (const char* name : c.out)
            EXPECT_EQ(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
}

} // namespace
