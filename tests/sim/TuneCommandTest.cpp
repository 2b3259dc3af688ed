// keo-sim --tune on a copy of the two-cluster example: the file it writes differs from the script
// saved unchanged only in the tuned values of the chosen set, the same seed writes the same file,
// and a value the tuner does not know is refused before anything is written.
#include "TuneCommand.h"

#include "SimOptions.h"
#include "TempDir.h"
#include "tune/Parameters.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::vector<std::string> chosen{"lateral.tiltCoordination.maximumRate",
                                      "longitudinal.travel.accelerationFilter.cutoff"};

SimOptions tuneOptions(const std::filesystem::path& script, const std::filesystem::path& target) {
    SimOptions options;
    options.scriptPath = script.string();
    options.tune = true;
    options.drives = {"braking"};
    options.tuneParameters = chosen;
    options.intoParamSet = 1; // parameter set 2
    options.stepRate = 250.0;
    options.maxEvaluations = 16;
    options.writePath = target.string();
    return options;
}

ConfigMap load(const std::filesystem::path& path) {
    ConfigMap configs;
    EXPECT_TRUE(loadScript(path.u16string(), configs).ok()) << path;
    return configs;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

class TuneCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(examplePath("two_clusters.cpp"), script);
        // What saving writes for the configuration as it is: the file to compare with.
        std::filesystem::copy_file(script, unchanged);
        ASSERT_TRUE(saveScript(unchanged.u16string(), load(script)).ok());
    }

    TempDir folder;
    const std::filesystem::path script = folder.file("script.cpp");
    const std::filesystem::path unchanged = folder.file("unchanged.cpp");
};

TEST_F(TuneCommand, WritesOnlyTheTunedValuesOfTheChosenSet) {
    const auto target = folder.file("tuned.cpp");
    runTune(tuneOptions(script, target), load(script));
    const ConfigMap before = load(script), after = load(target);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(std::memcmp(&after.at(1), &before.at(1), sizeof(Config)), 0) << "cluster 2 changed";

    Config restored = after.at(0);
    int changed = 0;
    for (const std::string& name : chosen) {
        const tune::Parameter* parameter = tune::findParameter(name);
        changed += parameter->value(after.at(0), KEOParamSet::Second) !=
                   parameter->value(before.at(0), KEOParamSet::Second);
        parameter->setValue(restored, KEOParamSet::Second,
                            parameter->value(before.at(0), KEOParamSet::Second));
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(std::memcmp(&restored, &before.at(0), sizeof(Config)), 0);

    // Each value of a pair stands on a line of its own: one line per changed value differs.
    const auto expected = lines(readBytes(unchanged)), written = lines(readBytes(target));
    ASSERT_EQ(written.size(), expected.size());
    int differing = 0;
    for (std::size_t i = 0; i < written.size(); ++i)
        differing += written[i] != expected[i];
    EXPECT_EQ(differing, changed);
}

TEST_F(TuneCommand, TheSameSeedWritesTheSameFile) {
    const auto first = folder.file("first.cpp"), second = folder.file("second.cpp");
    SimOptions options = tuneOptions(script, first);
    options.seed = 7;
    runTune(options, load(script));
    options.writePath = second.string();
    runTune(options, load(script));
    EXPECT_EQ(readBytes(first), readBytes(second));
}

TEST_F(TuneCommand, RefusesAValueItDoesNotKnowBeforeWriting) {
    const auto target = folder.file("tuned.cpp");
    SimOptions options = tuneOptions(script, target);
    options.tuneParameters = {"lateral.tiltCoordination.maximumRate", "lateral.tilt.rate"};
    EXPECT_EQ(runTune(options, load(script)), 2);
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace
