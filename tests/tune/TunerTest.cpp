// The tuner on the bundled example, judged from outside by the cueing scores of the engine's
// records: what a search gains from a poor tuning, what it may change, that it repeats itself
// and that it stops when asked. Short drives at 250 steps per second keep each search to a second
// or two; the full-size claims are measured by bench/tune_bench.
#include "tune/Tuner.h"

#include "PoorTuning.h"
#include "engine/drive/Drive.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::atomic<bool> neverCancelled{false};

tune::Problem smallProblem(const Config& config) {
    tune::Problem problem;
    problem.config = config;
    problem.envelope = clusterOneEnvelope();
    problem.stepRate = 250.0;
    for (const char* name : {"braking", "lane-change"})
        problem.drives.push_back({name, engine::drive::makeManoeuvre(name)});
    problem.maxEvaluations = 40;
    problem.budgetSeconds = 600.0; // the evaluation count ends these searches, never the clock
    return problem;
}

bool sameBytes(const Config& a, const Config& b) {
    return std::memcmp(&a, &b, sizeof(Config)) == 0;
}

TEST(Tuner, FromAPoorTuningLowersTheCostByAThirdWithinEveryPlatformLimit) {
    tune::Problem problem = smallProblem(poorlyTuned(bundledExample()));
    problem.limits = limitsOfBundledTuning(problem);
    const tune::Result result = tune::tune(problem, {}, neverCancelled);
    EXPECT_EQ(result.stop, tune::Stop::Finished);
    EXPECT_LE(result.after.cost, 0.7 * result.before.cost);
    for (const tune::DriveEvaluation& drive : result.after.drives) {
        SCOPED_TRACE(drive.name);
        EXPECT_EQ(drive.violation, 0.0);
        for (const cueing::DofScores& dof : drive.scores.dofs)
            EXPECT_EQ(dof.secondsAtLimit, 0.0);
        for (const cueing::TiltScores& tilt : drive.scores.tilts)
            EXPECT_EQ(tilt.feltAsRotation.seconds, 0.0);
    }
    // Judged again from scratch, the returned configuration scores as reported.
    EXPECT_DOUBLE_EQ(tune::evaluate(problem, result.config).cost, result.after.cost);
}

TEST(Tuner, ChangesOnlyTheChosenMembersOfTheChosenSet) {
    const Config start = poorlyTuned(bundledExample());
    const std::vector<std::string> chosen{"longitudinal.tiltCoordination.maximumRate",
                                          "longitudinal.travel.accelerationFilter.cutoff",
                                          "lateral.tiltCoordination.maximumRate"};
    for (const auto set : {KEOParamSet::First, KEOParamSet::Second}) {
        SCOPED_TRACE(set);
        tune::Problem problem = smallProblem(start);
        problem.paramSet = set;
        problem.parameters = chosen;
        const tune::Result result = tune::tune(problem, {}, neverCancelled);
        ASSERT_FALSE(result.changes.empty());
        Config restored = result.config;
        for (const std::string& name : chosen) {
            const tune::Parameter* parameter = tune::findParameter(name);
            const float tuned = parameter->value(result.config, set);
            EXPECT_GE(tuned, parameter->tuning.low);
            EXPECT_LE(tuned, parameter->tuning.high);
            parameter->setValue(restored, set, parameter->value(start, set));
        }
        EXPECT_TRUE(sameBytes(restored, start));
    }
}

TEST(Tuner, TheSameSeedGivesTheSameConfigurationOnAnyNumberOfThreads) {
    tune::Problem problem = smallProblem(poorlyTuned(bundledExample()));
    problem.maxEvaluations = 24;
    problem.threads = 1;
    const tune::Result one = tune::tune(problem, {}, neverCancelled);
    problem.threads = 3;
    const tune::Result three = tune::tune(problem, {}, neverCancelled);
    EXPECT_TRUE(sameBytes(one.config, three.config));
    EXPECT_EQ(one.after.cost, three.after.cost);
    EXPECT_EQ(one.evaluations, three.evaluations);
}

TEST(Tuner, CancellingLeavesTheConfigurationAsItWas) {
    const tune::Problem problem = smallProblem(poorlyTuned(bundledExample()));
    std::atomic<bool> cancel{false};
    int reports = 0;
    const tune::Result result = tune::tune(
        problem,
        [&](const tune::Progress&) {
            ++reports;
            cancel = true;
        },
        cancel);
    EXPECT_GE(reports, 1);
    EXPECT_EQ(result.stop, tune::Stop::Cancelled);
    EXPECT_TRUE(sameBytes(result.config, problem.config));
    EXPECT_TRUE(result.changes.empty());
    EXPECT_LT(result.evaluations, tune::evaluationLimitOf(problem));
}

TEST(Tuner, AClockThatRunsOutIsReportedAsSuch) {
    tune::Problem problem = smallProblem(poorlyTuned(bundledExample()));
    problem.maxEvaluations = 100000;
    problem.budgetSeconds = 0.3;
    const tune::Result result = tune::tune(problem, {}, neverCancelled);
    EXPECT_EQ(result.stop, tune::Stop::Budget);
    EXPECT_LT(result.evaluations, problem.maxEvaluations);
    EXPECT_LE(result.after.cost, result.before.cost);
}

TEST(Tuner, RefusesProblemsItCannotTune) {
    const struct {
        const char* why;
        std::vector<std::string> parameters;
        bool drives;
    } cases[] = {
        {"unknown name", {"lateral.travel.cutoff"}, true},
        {"a switch", {"lateral.travel.enabled"}, true},
        {"chosen twice",
         {"lateral.tiltCoordination.maximumRate", "lateral.tiltCoordination.maximumRate"},
         true},
        {"no drive", {"lateral.tiltCoordination.maximumRate"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        tune::Problem problem = smallProblem(bundledExample());
        problem.parameters = c.parameters;
        if (!c.drives)
            problem.drives.clear();
        EXPECT_THROW(tune::tune(problem, {}, neverCancelled), tune::ProblemError);
    }
}

} // namespace
