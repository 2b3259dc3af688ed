// Command-line check of a script file: loads it as the editor does, prints a summary of every
// cluster and tells whether saving it unchanged would keep its text (line ends aside).
#include "config/ConfigReader.h"
#include "platform/TextFile.h"
#include "script/ScriptDetection.h"
#include "script/ScriptFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const char* codeName(int code) {
    static const char* const names[] = {
        "success",      "internal error", "file not accessible", "section not found",
        "syntax error", "no script path", "no first cluster"};
    return code >= 0 && code <= 6 ? names[code] : "unknown";
}

void printPair(const char* label, const FloatPair& pair, const char* unit) {
    std::printf("    %-44s %10.4g %10.4g  %s\n", label, pair[0], pair[1], unit);
}

void printCluster(int cluster, const Config& c) {
    std::printf("  Cluster #%d                                   Param set #1  #2\n", cluster + 1);
    printPair("lateral travel output filter cutoff", c.lateral.travel.outputFilter.cutoff, "Hz");
    printPair("lateral tilt maximum rate", c.lateral.tiltCoordination.maximumRate, "rad/s");
    printPair("longitudinal travel output filter cutoff", c.longitudinal.travel.outputFilter.cutoff,
              "Hz");
    printPair("longitudinal tilt maximum rate", c.longitudinal.tiltCoordination.maximumRate,
              "rad/s");
    printPair("vertical travel output limit", c.vertical.travel.outputLimit.maxValueFactor,
              "% of envelope");
    printPair("multiplexer heave limit", c.multiplexer.heave.maxValueFactor, "% of envelope");
}

// Saves a copy of the script and compares it with the original read in text mode.
bool saveKeepsText(const std::filesystem::path& script, const ConfigMap& configs) {
    const std::filesystem::path copy =
        std::filesystem::temp_directory_path() /
        ("keo-inspect-" + std::to_string(::getpid()) + script.extension().string());
    std::filesystem::copy_file(script, copy, std::filesystem::copy_options::overwrite_existing);
    std::string before, after;
    const bool same = saveScript(copy.u16string(), configs).ok() &&
                      readTextFile(script.u16string(), before) &&
                      readTextFile(copy.u16string(), after) && before == after;
    std::filesystem::remove(copy);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: keo-inspect SCRIPT.cpp|SCRIPT.json\n");
        return 2;
    }
    const std::filesystem::path script = argv[1];
    ConfigMap configs;
    const ScriptResult result = loadScript(script.u16string(), configs);
    std::printf("%s\n  first-cluster section: %s\n  load: %s%s%s\n", argv[1],
                containsScriptSection(script.u16string()) ? "yes" : "no", codeName(result.code),
                result.message[0] ? ": " : "", result.message);
    if (!result.ok())
        return 1;
    for (const auto& [cluster, config] : configs)
        printCluster(cluster, config);
    const bool keeps = saveKeepsText(script, configs);
    std::printf("  saving unchanged keeps the text: %s\n",
                keeps ? "yes" : "no (it reformats the sections)");
    return 0;
}
