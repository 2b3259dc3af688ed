// keo-sim's assessment beside its report: a platform pitched against its hard final limit while
// the vehicle gives no cue at all, judged in the table and the files --assess, --report and
// --frequency-response ask for, and the report and its verdict the same with or without them.
#include "Assessment.h"

#include "DriveOf.h"
#include "ReportText.h"
#include "Simulation.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

using engine::VehicleInput;

// The vehicle's body pitches (an angle, no cue of its own in words 3-9) from 0.5 s to 1.5 s; only
// the absolute pitch path reproduces it, at twice what the hard final limit lets through.
std::shared_ptr<DriveOf> pitchPulse() {
    return std::make_shared<DriveOf>(3.0, [](double t) {
        VehicleInput input;
        input.pitchAngle = t >= 0.5 && t < 1.5 ? 2.0 * defaultEnvelope(0).pitch : 0.0;
        return input;
    });
}

// The absolute pitch path, and a roll rate path (integration at a gain of 0.7) that the drive does
// not move but that gives the frequency response something to show.
Config absolutePitchAndRollRate() {
    Config config = zeroConfig();
    AngularVelocityConfig& roll = config.lateral.angularVelocity;
    roll.enabled = true;
    roll.outputFilter.type = KEOFilterType::None;
    roll.outputLimit =
        Limitation{FloatPair::both(0.7f), KEOLimitationType::Gain, FloatPair::both(100.0f)};
    config.multiplexer.roll.maxValueFactor = FloatPair::both(100.0f);
    config.absolutePitch.enabled = true;
    config.absolutePitch.outputLimit.maxValueFactor = FloatPair::both(300.0f);
    config.multiplexer.pitch =
        Limitation{FloatPair::both(1.0f), KEOLimitationType::Gain, FloatPair::both(100.0f)};
    return config;
}

TEST(KeoSimAssessment, FilesAndTableCarryTheScoresAndTheResponseAndLeaveTheReportAlone) {
    const TempDir folder;
    SimOptions options;
    options.assess = true;
    options.reportPath = folder.file("report.json").string();
    options.frequencyResponsePath = folder.file("response.csv").string();
    const Config config = absolutePitchAndRollRate();
    const auto drive = pitchPulse();
    const auto assessment = Assessment::forOptions(options, config, defaultEnvelope(0), *drive);
    ASSERT_TRUE(assessment);
    const auto simulateWith = [&](RecordObserver* observer) {
        return simulate(config, KEOParamSet::First, defaultEnvelope(0), 1000.0, drive, nullptr, {},
                        {}, observer);
    };
    const EnvelopeReport alone = simulateWith(nullptr);
    const EnvelopeReport report = simulateWith(assessment.get());
    EXPECT_EQ(reportText(report), reportText(alone));

    const std::string tablePath = folder.file("table.txt").string();
    std::FILE* table = std::fopen(tablePath.c_str(), "wb");
    ASSERT_TRUE(table);
    assessment->finish(report, table);
    std::fclose(table);
    const std::string text = readBytes(tablePath);
    EXPECT_NE(text.find("What the rider perceives"), std::string::npos) << text;

    // The platform's pitch with no vehicle cue behind it: a false cue in pitch and, by the gravity
    // it tilts into the seat, in surge; one knock at the final limit; nothing to follow, so no
    // correlation.
    const cueing::Scores scores = assessment->scores();
    const auto json = nlohmann::json::parse(readBytes(options.reportPath));
    const auto& channels = json["cueing"]["channels"];
    ASSERT_EQ(channels.size(), std::size_t(cueing::channelCount));
    for (int c : {cueing::Surge, cueing::Pitch}) {
        SCOPED_TRACE(cueing::channelNames[c]);
        EXPECT_GE(scores.channels[c].falseCues.count, 1u);
        EXPECT_EQ(channels[c]["falseCues"]["count"], scores.channels[c].falseCues.count);
        EXPECT_DOUBLE_EQ(channels[c]["errorRms"].get<double>(), scores.channels[c].errorRms);
        EXPECT_TRUE(channels[c]["correlation"].is_null());
    }
    const auto& pitch = json["cueing"]["dofs"][1];
    EXPECT_EQ(pitch["name"], "pitch");
    EXPECT_EQ(pitch["knocks"], 1);
    EXPECT_EQ(json["envelope"]["withinEnvelope"], report.withinEnvelope());

    // The frequency response, the same in the JSON and the CSV: the roll rate path passes 0.7 of
    // the vehicle's roll rate.
    const cueing::FrequencyResponse& response = assessment->frequencyResponse();
    EXPECT_NEAR(response.gain(cueing::RollResponse, cueing::oneRadianPerSecond), 0.7, 1e-3);
    std::istringstream csv(readBytes(options.frequencyResponsePath));
    std::string row;
    std::getline(csv, row);
    EXPECT_EQ(row, "response,input,output,unit,frequency_rad_s,gain,phase_deg");
    int rows = 0;
    for (; std::getline(csv, row); ++rows) {
        const int r = rows / cueing::testFrequencyCount, k = rows % cueing::testFrequencyCount;
        std::vector<std::string> fields;
        std::istringstream cells(row);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(cell);
        ASSERT_EQ(fields.size(), 7u) << row;
        EXPECT_EQ(fields[0], cueing::responses[r].name);
        EXPECT_NEAR(std::stod(fields[4]), cueing::testFrequency(k),
                    1e-5 * cueing::testFrequency(k));
        EXPECT_NEAR(std::stod(fields[5]), response.gain(r, k), 1e-8 * (1.0 + response.gain(r, k)));
        EXPECT_NEAR(std::stod(fields[6]), response.phaseDegrees(r, k), 1e-5);
        EXPECT_DOUBLE_EQ(json["frequencyResponse"]["responses"][r]["gain"][k].get<double>(),
                         response.gain(r, k));
    }
    EXPECT_EQ(rows, cueing::responseCount * cueing::testFrequencyCount);
}

} // namespace
