#include "SimOptions.h"

#include <array>
#include <charconv>
#include <cmath>

const char* const simUsage =
    "Usage: keo-sim SCRIPT [--cluster 1|2] [--param-set 1|2] [--drive NAME|FILE.csv|FILE.ibt]\n"
    "               [--map FILE.json] [--envelope r,p,y,h,sw,su]\n"
    "               [--velocity-limits r,p,y,h,sw,su] [--acceleration-limits r,p,y,h,sw,su]\n"
    "               [--rig FILE.json] [--out FILE.csv] [--all-words] [--rate N] [--assess]\n"
    "               [--report FILE.json] [--frequency-response FILE.csv]\n"
    "       keo-sim SCRIPT --tune [--params LIST|help] [--drive D]... [--into-param-set 1|2]\n"
    "               [--seed N] [--budget SECONDS] [--evaluations N] [--weights s,sw,h,r,p,y]\n"
    "               [--cluster 1|2] [--envelope ...] [--velocity-limits ...]\n"
    "               [--acceleration-limits ...] [--rate N] --write FILE\n"
    "\n"
    "Runs the motion-cueing engine on a cluster's configuration of SCRIPT (.cpp or .json) along\n"
    "a drive and prints what the platform did: its position, velocity and acceleration per degree\n"
    "of freedom, and the rotation of its tilt beside the tilt rate limit. Exits with 0 when the\n"
    "drive stayed within the envelope and the limits, 1 when it did not and 2 for bad input.\n"
    "\n"
    "  --cluster N                the cluster to run, 1 or 2 (default 1)\n"
    "  --param-set N              the parameter set to run, 1 or 2 (default 1)\n"
    "  --drive D                  a built-in manoeuvre, a telemetry CSV file or an iRacing .ibt\n"
    "                             file (default mix); built in: mix, braking, acceleration,\n"
    "                             lane-change, slalom, steady-turn, bumpy-road, sweep-surge,\n"
    "                             sweep-sway, sweep-heave, sweep-roll, sweep-pitch, sweep-yaw, "
    "idle\n"
    "  --map FILE.json            which columns (variables) of the telemetry file feed which\n"
    "                             signals, in which units and senses\n"
    "  --envelope E               roll,pitch,yaw in degrees, heave,sway,surge in metres\n"
    "                             (default: the cluster's, as keo-editor assumes)\n"
    "  --velocity-limits V        the platform's fastest motion: roll,pitch,yaw in deg/s,\n"
    "                             heave,sway,surge in m/s; \"-\" for none (default: none)\n"
    "  --acceleration-limits A    the platform's hardest acceleration: roll,pitch,yaw in\n"
    "                             deg/s^2, heave,sway,surge in m/s^2; \"-\" for none (default:\n"
    "                             none)\n"
    "  --rig FILE.json            report the rig's actuators too: stroke, velocity, acceleration\n"
    "                             and time at an end stop (exit 1 when one reaches a stop)\n"
    "  --out FILE.csv             write the platform's six degrees of freedom per step\n"
    "  --all-words                write every record word 2-152 instead\n"
    "  --rate N                   steps per second, 10 to 20000 (default 1000)\n"
    "  --assess                   after the report, what the rider perceives per channel: the\n"
    "                             cueing scores (docs/cueing.md); the exit status stays the\n"
    "                             report's\n"
    "  --report FILE.json         the report, the scores and the frequency response as JSON\n"
    "  --frequency-response FILE.csv\n"
    "                             the configuration's gain and phase at the test frequencies\n"
    "\n"
    "With --tune it searches the chosen values of one parameter set for what the rider perceives\n"
    "best on the drives (each --drive adds one; default mix), within the envelope and limits,\n"
    "writes the script with the tuned set to FILE (everything else as saving writes it) and\n"
    "prints the scores before and after per drive (docs/tune.md). Exits with 0 when the tuned\n"
    "set fits the platform on every drive, 1 when it does not and 2 for bad input.\n"
    "\n"
    "  --params LIST              comma-separated names of the values to tune; \"help\" lists\n"
    "                             them all (default: the travel and tilt filters' cutoffs, tilt\n"
    "                             rates and output factors of the enabled paths)\n"
    "  --into-param-set N         the parameter set tuned and written, 1 or 2 (default: the\n"
    "                             --param-set)\n"
    "  --seed N                   the search's random seed (default 1); the same seed gives the\n"
    "                             same file\n"
    "  --budget SECONDS           stop the search after this long at the latest (default 60);\n"
    "                             a search stopped so is reported, and may differ by machine\n"
    "  --evaluations N            evaluations of the drives at most (default 40 per value, +40)\n"
    "  --weights W                each channel's weight in the cost, surge,sway,heave,roll,\n"
    "                             pitch,yaw (default 1 each)\n"
    "  --write FILE               the script to write (.cpp or .json, as SCRIPT)\n";

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

bool parseDouble(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && std::isfinite(value);
}

WorkEnvelopeLimits envelope(double rollDeg, double pitchDeg, double yawDeg, double heave,
                            double sway, double surge) {
    return {float(rollDeg * degree),
            float(pitchDeg * degree),
            float(yawDeg * degree),
            float(heave),
            float(sway),
            float(surge),
            1};
}

// Six comma-separated fields: non-negative numbers, or "-" for none where `noneAllowed`.
std::optional<std::array<std::optional<double>, 6>> parseSix(const std::string& text,
                                                             bool noneAllowed) {
    std::array<std::optional<double>, 6> values;
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == 5))
            return std::nullopt;
        const std::string part = text.substr(start, comma - start);
        start = comma + 1;
        if (noneAllowed && part == "-")
            continue;
        double value;
        if (!parseDouble(part, value) || value < 0.0)
            return std::nullopt;
        values[i] = value;
    }
    return values;
}

std::optional<WorkEnvelopeLimits> parseEnvelope(const std::string& text) {
    const auto v = parseSix(text, false);
    if (!v)
        return std::nullopt;
    return envelope(*(*v)[0], *(*v)[1], *(*v)[2], *(*v)[3], *(*v)[4], *(*v)[5]);
}

// Rates of roll, pitch and yaw in degrees (per second or per second squared), of heave, sway and
// surge in metres, as radians and metres.
std::optional<std::array<std::optional<double>, 6>> parseRateLimits(const std::string& text) {
    auto limits = parseSix(text, true);
    if (limits)
        for (int i = 0; i < 3; ++i)
            if ((*limits)[i])
                *(*limits)[i] *= degree;
    return limits;
}

// "1" or "2" as an index.
bool parseOneOrTwo(const std::string& text, int& index) {
    if (text != "1" && text != "2")
        return false;
    index = text == "2" ? 1 : 0;
    return true;
}

std::vector<std::string> commaSeparated(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

bool parseCount(const std::string& text, long long low, long long high, long long& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && value >= low && value <= high;
}

// The options only --tune takes; false with `error` set for a bad value or an unknown option.
bool parseTuneOption(const std::string& argument, const std::string& value, SimOptions& options,
                     std::string& error) {
    long long count = 0;
    if (argument == "--params") {
        options.tuneParameters = commaSeparated(value);
    } else if (argument == "--into-param-set") {
        int set = 0;
        if (!parseOneOrTwo(value, set)) {
            error = "--into-param-set takes 1 or 2";
            return false;
        }
        options.intoParamSet = set;
    } else if (argument == "--seed") {
        if (!parseCount(value, 0, 4294967295LL, count)) {
            error = "--seed takes a whole number from 0 to 4294967295";
            return false;
        }
        options.seed = unsigned(count);
    } else if (argument == "--budget") {
        if (!parseDouble(value, options.budgetSeconds) || options.budgetSeconds <= 0.0) {
            error = "--budget takes a number of seconds above 0";
            return false;
        }
    } else if (argument == "--evaluations") {
        if (!parseCount(value, 1, 1000000, count)) {
            error = "--evaluations takes a whole number from 1 to 1000000";
            return false;
        }
        options.maxEvaluations = int(count);
    } else if (argument == "--weights") {
        const auto weights = parseSix(value, false);
        if (!weights) {
            error = "--weights takes six non-negative numbers separated by commas: surge,sway,"
                    "heave,roll,pitch,yaw";
            return false;
        }
        options.weights.emplace();
        for (int i = 0; i < 6; ++i)
            (*options.weights)[i] = *(*weights)[i];
    } else if (argument == "--write") {
        options.writePath = value;
    } else {
        error = "unknown option " + argument;
        return false;
    }
    return true;
}

// --tune writes a file unless it only lists the parameters; its options mean nothing without it.
bool checkTuneOptions(const SimOptions& options, std::string& error) {
    const bool listsParameters =
        options.tuneParameters.size() == 1 && options.tuneParameters[0] == "help";
    if (options.tune && options.writePath.empty() && !listsParameters) {
        error = "--tune needs --write FILE";
        return false;
    }
    const bool tuneOnly = !options.writePath.empty() || !options.tuneParameters.empty() ||
                          options.intoParamSet || options.weights || options.maxEvaluations;
    if (!options.tune && tuneOnly) {
        error = "--params, --into-param-set, --evaluations, --weights and --write go with --tune";
        return false;
    }
    if (!options.tune && options.drives.size() > 1) {
        error = "give one --drive, or several with --tune";
        return false;
    }
    return true;
}

} // namespace

WorkEnvelopeLimits defaultEnvelope(int cluster) {
    return cluster == 1 ? envelope(28.0, 28.0, 32.0, 0.25, 0.30, 0.32)
                        : envelope(22.0, 22.0, 25.0, 0.18, 0.22, 0.24);
}

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& arguments,
                                          std::string& error, bool& help) {
    SimOptions options;
    help = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            help = true;
            error = simUsage;
            return std::nullopt;
        }
        if (argument == "--all-words") {
            options.allWords = true;
            continue;
        }
        if (argument == "--assess") {
            options.assess = true;
            continue;
        }
        if (argument == "--tune") {
            options.tune = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0) {
            positional.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (argument == "--cluster") {
            if (!parseOneOrTwo(value, options.cluster)) {
                error = "--cluster takes 1 or 2";
                return std::nullopt;
            }
        } else if (argument == "--param-set") {
            if (!parseOneOrTwo(value, options.paramSet)) {
                error = "--param-set takes 1 or 2";
                return std::nullopt;
            }
        } else if (argument == "--drive") {
            options.drive = value;
            options.drives.push_back(value);
        } else if (argument == "--map") {
            options.mapPath = value;
        } else if (argument == "--rig") {
            options.rigPath = value;
        } else if (argument == "--envelope") {
            options.envelope = parseEnvelope(value);
            if (!options.envelope) {
                error = "--envelope takes six non-negative numbers separated by commas: "
                        "roll,pitch,yaw in degrees, heave,sway,surge in metres";
                return std::nullopt;
            }
        } else if (argument == "--velocity-limits" || argument == "--acceleration-limits") {
            const auto limits = parseRateLimits(value);
            if (!limits) {
                error = argument +
                        " takes six non-negative numbers or \"-\" separated by commas: " +
                        "roll,pitch,yaw in degrees, heave,sway,surge in metres, per second" +
                        (argument == "--velocity-limits" ? "" : " squared");
                return std::nullopt;
            }
            (argument == "--velocity-limits" ? options.platform.velocity
                                             : options.platform.acceleration) = *limits;
        } else if (argument == "--out") {
            options.outPath = value;
        } else if (argument == "--report") {
            options.reportPath = value;
        } else if (argument == "--frequency-response") {
            options.frequencyResponsePath = value;
        } else if (argument == "--rate") {
            if (!parseDouble(value, options.stepRate) || options.stepRate < 10.0 ||
                options.stepRate > 20000.0) {
                error = "--rate takes a number of steps per second between 10 and 20000";
                return std::nullopt;
            }
        } else if (!parseTuneOption(argument, value, options, error)) {
            return std::nullopt;
        }
    }
    if (!checkTuneOptions(options, error))
        return std::nullopt;
    if (positional.size() != 1) {
        error = positional.empty() ? "give the script to run" : "give only one script";
        return std::nullopt;
    }
    options.scriptPath = positional.front();
    return options;
}
