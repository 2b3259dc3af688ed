// keo-sim as a user runs it: on the bundled examples, its report, exit status and CSV agree with
// each other and with the physics of the drive; bad input ends with status 2 and says where.
#include "support/TempDir.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

SimRun keoSim(const TempDir& temp, const std::string& arguments) {
    const auto out = temp.file("stdout.txt");
    const auto err = temp.file("stderr.txt");
    const std::string command =
        std::string(KEO_SIM) + " " + arguments + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
}

std::string example(const char* name) {
    return std::string(KEO_EXAMPLES_DIR) + "/" + name;
}

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(cell);
        rows.push_back(fields);
    }
    return rows;
}

// The peak the report prints for a degree of freedom, in its unit.
double reportedPeak(const std::string& report, const std::string& dof) {
    const std::size_t line = report.find("\n" + dof + " ");
    return line == std::string::npos ? NAN : std::stod(report.substr(line + dof.size() + 2));
}

TEST(KeoSim, BrakingPressesThePitchLimitAndTheSurgeItReportsWashesOutToNeutral) {
    TempDir temp;
    const auto csv = temp.file("braking.csv");
    const SimRun run =
        keoSim(temp, example("one_cluster.cpp") + " --drive braking --out " + csv.string());
    // Braking at 8 m/s² asks for asin(8 / 9.81) = 55 degrees of tilt; the default 22-degree pitch
    // envelope cannot give it, so the pitch presses against its limit.
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_NE(run.out.find("Outside the envelope"), std::string::npos);
    EXPECT_NE(run.out.find("AT THE LIMIT", run.out.find("\npitch ")), std::string::npos) << run.out;
    EXPECT_NEAR(reportedPeak(run.out, "pitch"), 22.0, 0.01);

    const auto rows = csvRows(readBytes(csv));
    ASSERT_GT(rows.size(), 1000u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"time_s", "roll_rad", "pitch_rad", "yaw_rad",
                                                 "heave_m", "sway_m", "surge_m"}));
    double peakSurge = 0.0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 7u);
        ASSERT_NEAR(std::stod(rows[i][0]), (i - 1) / 1000.0, 1e-9);
        peakSurge = std::max(peakSurge, std::fabs(std::stod(rows[i][6])));
    }
    EXPECT_NEAR(reportedPeak(run.out, "surge"), peakSurge, 0.001);
    EXPECT_GT(peakSurge, 0.01) << "braking moves the platform";
    // Fifteen seconds after the stop, the travel is back near neutral.
    EXPECT_LT(std::fabs(std::stod(rows.back()[6])), 0.1 * peakSurge);
}

TEST(KeoSim, AVehicleAtRestStaysWithinTheEnvelope) {
    TempDir temp;
    const SimRun run = keoSim(temp, example("two_clusters.cpp") + " --drive idle");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("Within the envelope"), std::string::npos);
    for (const char* dof : {"roll", "pitch", "yaw", "heave", "sway", "surge"})
        EXPECT_EQ(reportedPeak(run.out, dof), 0.0) << dof;
}

TEST(KeoSim, AllWordsWritesEveryRecordWordOfTheSecondCluster) {
    TempDir temp;
    const auto csv = temp.file("all.csv");
    const SimRun run = keoSim(temp, example("two_clusters.cpp") +
                                        " --cluster 2 --param-set 2 --drive idle --rate 100 "
                                        "--all-words --out " +
                                        csv.string());
    ASSERT_LE(run.status, 1) << run.err;
    const auto rows = csvRows(readBytes(csv));
    ASSERT_EQ(rows.size(), 1u + 1001u); // 10 s at 100 steps per second, both ends included
    ASSERT_EQ(rows[0].size(), 152u);
    EXPECT_EQ(rows[0][1], "word_2");
    EXPECT_EQ(rows[0][151], "word_152");
    EXPECT_DOUBLE_EQ(std::stod(rows[5][1]), 0.01); // word 2: the step time
    EXPECT_NE(run.out.find("cluster 2, parameter set 2"), std::string::npos);
}

TEST(KeoSim, BadInputEndsWithStatusTwoAndSaysWhere) {
    TempDir temp;
    writeBytes(temp.file("bad.csv"), "time_s,speed_mps\n0,1\n0.1,fast\n");
    const std::string bad = temp.file("bad.csv").string();
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {example("one_cluster.cpp") + " --drive " + bad,
         bad + ", line 3, column 2 (speed_mps): \"fast\" is not a number"},
        {example("one_cluster.cpp") + " --drive warp", "unknown drive \"warp\""},
        {example("one_cluster.cpp") + " --cluster 2", "has no cluster 2"},
        {example("one_cluster.cpp") + " --param-set 3", "--param-set takes 1 or 2"},
        {example("one_cluster.cpp") + " --envelope 1,2,3", "--envelope takes six"},
        {temp.file("missing.cpp").string(), "cannot read the file"},
        {example("one_cluster.cpp") + " --out " + temp.file("no/such/dir.csv").string(),
         "cannot create the file"},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.arguments);
        const SimRun run = keoSim(temp, bad.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("envelope:"), std::string::npos) << "no report for bad input";
    }
}

} // namespace
