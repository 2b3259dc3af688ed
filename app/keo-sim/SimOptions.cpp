#include "SimOptions.h"

#include <charconv>
#include <cmath>

const char* const simUsage =
    "Usage: keo-sim SCRIPT [--cluster 1|2] [--param-set 1|2] [--drive NAME|FILE.csv]\n"
    "               [--envelope r,p,y,h,sw,su] [--out FILE.csv] [--all-words] [--rate N]\n"
    "\n"
    "Runs the motion-cueing engine on a cluster's configuration of SCRIPT (.cpp or .json) along\n"
    "a drive, prints how much of the platform's work envelope it used and exits with 0 when the\n"
    "drive stayed within the envelope, 1 when it did not and 2 for bad input.\n"
    "\n"
    "  --cluster N      the cluster to run, 1 or 2 (default 1)\n"
    "  --param-set N    the parameter set to run, 1 or 2 (default 1)\n"
    "  --drive D        a built-in manoeuvre or a telemetry CSV file (default mix); built in:\n"
    "                   mix, braking, acceleration, lane-change, slalom, steady-turn, bumpy-road,\n"
    "                   sweep-surge, sweep-sway, sweep-heave, sweep-roll, sweep-pitch, sweep-yaw,\n"
    "                   idle\n"
    "  --envelope E     roll,pitch,yaw in degrees, heave,sway,surge in metres (default: the\n"
    "                   cluster's, as keo-editor assumes)\n"
    "  --out FILE.csv   write the platform's six degrees of freedom per step\n"
    "  --all-words      write every record word 2-152 instead\n"
    "  --rate N         steps per second, 10 to 20000 (default 1000)\n";

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

std::optional<WorkEnvelopeLimits> parseEnvelope(const std::string& text) {
    double values[6];
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == 5))
            return std::nullopt;
        const std::string part = text.substr(start, comma - start);
        if (!parseDouble(part, values[i]) || values[i] < 0.0)
            return std::nullopt;
        start = comma + 1;
    }
    return envelope(values[0], values[1], values[2], values[3], values[4], values[5]);
}

// "1" or "2" as an index.
bool parseOneOrTwo(const std::string& text, int& index) {
    if (text != "1" && text != "2")
        return false;
    index = text == "2" ? 1 : 0;
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
        } else if (argument == "--envelope") {
            options.envelope = parseEnvelope(value);
            if (!options.envelope) {
                error = "--envelope takes six non-negative numbers separated by commas: "
                        "roll,pitch,yaw in degrees, heave,sway,surge in metres";
                return std::nullopt;
            }
        } else if (argument == "--out") {
            options.outPath = value;
        } else if (argument == "--rate") {
            if (!parseDouble(value, options.stepRate) || options.stepRate < 10.0 ||
                options.stepRate > 20000.0) {
                error = "--rate takes a number of steps per second between 10 and 20000";
                return std::nullopt;
            }
        } else {
            error = "unknown option " + argument;
            return std::nullopt;
        }
    }
    if (positional.size() != 1) {
        error = positional.empty() ? "give the script to run" : "give only one script";
        return std::nullopt;
    }
    options.scriptPath = positional.front();
    return options;
}
