#pragma once

#include "EnvelopeReport.h"
#include "KEOUI64/WorkEnvelopeLimits.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What keo-sim was asked to do on its command line.
struct SimOptions {
    std::string scriptPath;
    int cluster = 0;  // 0 or 1 ("--cluster 1" or 2)
    int paramSet = 0; // 0 or 1 ("--param-set 1" or 2)
    std::string drive = "mix";
    std::string mapPath; // a column map for the drive's telemetry file; empty: none
    std::string rigPath; // a rig whose actuators to report; empty: none
    std::optional<WorkEnvelopeLimits> envelope; // none: the default of the cluster
    PlatformRateLimits platform;                // rad/s, m/s, rad/s², m/s²; none unless given
    std::string outPath;                        // empty: no CSV
    bool allWords = false;
    double stepRate = 1000.0; // steps per second
    // What the rider perceives (see Assessment.h): the table after the report, and files.
    bool assess = false;
    std::string reportPath;            // empty: no JSON report
    std::string frequencyResponsePath; // empty: no CSV of gain and phase
    // --tune: search the configuration instead of reporting on it (TuneCommand.h).
    bool tune = false;
    std::vector<std::string> drives;         // every --drive in order (`drive` is the last)
    std::vector<std::string> tuneParameters; // --params; empty: the defaults; "help": list them
    std::optional<int> intoParamSet;         // 0 or 1; none: paramSet
    unsigned seed = 1;
    double budgetSeconds = 60.0;
    int maxEvaluations = 0;                       // 0: the tuner's default
    std::optional<std::array<double, 6>> weights; // surge, sway, heave, roll, pitch, yaw
    std::string writePath;                        // the script with the tuned set
};

// Parses argv without the program name. On error returns nothing and sets `error`; `--help`
// returns nothing with the usage in `error` and `help` set.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& arguments,
                                          std::string& error, bool& help);

// The work envelope keo-editor assumes for a cluster (0 or 1) when none is given.
WorkEnvelopeLimits defaultEnvelope(int cluster);

extern const char* const simUsage;
