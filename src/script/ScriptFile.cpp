#include "ScriptFile.h"

#include "SectionScanner.h"
#include "config/ConfigFields.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "platform/TextFile.h"

#include <array>
#include <exception>
#include <iomanip>
#include <sstream>

namespace {

constexpr int clusterCount = 2;
const std::u16string cppExtension = u".cpp";
const std::u16string jsonExtension = u".json";

struct ClusterDocument {
    ScriptResult result;
    Json document;
    bool absent = false;
};

using ClusterDocuments = std::array<ClusterDocument, clusterCount>;

// Extracts both clusters' sections of a source file. A missing second section only means that
// the file holds one cluster.
ScriptResult extractCppSections(const std::string& text, ClusterDocuments& clusters) {
    for (int cluster = 0; cluster < clusterCount; ++cluster)
        clusters[cluster].result =
            extractSection(text, sectionDelimiters(cluster), clusters[cluster].document);
    if (!clusters[0].result.ok())
        return clusters[0].result;
    if (clusters[1].result.code == SyntaxError)
        return clusters[1].result;
    clusters[1].absent = clusters[1].result.code == SectionNotFound;
    return ScriptResult(Success);
}

// A whole-file document: the first JSON value counts, anything after it is ignored.
ScriptResult parseJsonScript(const std::string& text, ClusterDocuments& clusters) {
    clusters[1].absent = true;
    try {
        std::istringstream stream(text);
        stream >> clusters[0].document;
    } catch (const std::exception& error) {
        return ScriptResult(SyntaxError, error.what());
    }
    return ScriptResult(Success);
}

ScriptResult readClusters(const ClusterDocuments& clusters, ConfigMap& configs) {
    for (int cluster = 0; cluster < clusterCount; ++cluster) {
        if (!clusters[cluster].result.ok() || clusters[cluster].absent)
            continue;
        Config config = zeroConfig();
        try {
            readConfig(clusters[cluster].document, config);
        } catch (const std::exception& error) {
            // A file is taken whole or not at all: no cluster of a rejected file stays behind.
            configs.clear();
            return ScriptResult(SyntaxError, error.what());
        }
        configs[cluster] = config;
    }
    return ScriptResult(Success);
}

Json configDocument(const Config& config) {
    Json document;
    writeConfig(config, document);
    return document;
}

std::string jsonFileText(const Config& config) {
    std::ostringstream stream;
    stream << std::setw(4) << configDocument(config) << '\n';
    return stream.str();
}

// A record holding an infinity or a NaN would be written as null and could never be loaded again.
bool allSavable(const ConfigMap& configs) {
    for (const auto& [cluster, config] : configs)
        if (!allFloatsFinite(config))
            return false;
    return true;
}

ScriptResult saveJsonScript(const WidePath& path, const ConfigMap& configs) {
    const auto firstCluster = configs.find(0);
    if (firstCluster == configs.end())
        return ScriptResult(NoFirstCluster, "No config for the first cluster has been found!");
    const std::string text = jsonFileText(firstCluster->second);
    return writeTextFileAtomically(path, text) ? ScriptResult(Success)
                                               : ScriptResult(FileNotAccessible);
}

ScriptResult saveCppScript(const WidePath& path, const ConfigMap& configs) {
    std::string text;
    if (!readTextFile(path, text))
        text.clear();
    for (const auto& [cluster, config] : configs) {
        const ScriptResult result = replaceSection(text, sectionDelimiters(cluster),
                                                   serializeSectionBody(configDocument(config)));
        if (!result.ok())
            return result;
    }
    return writeTextFileAtomically(path, text) ? ScriptResult(Success)
                                               : ScriptResult(FileNotAccessible);
}

} // namespace

ScriptKind scriptKindOf(const WidePath& path) {
    if (endsWith(path, cppExtension))
        return ScriptKind::Cpp;
    if (endsWith(path, jsonExtension))
        return ScriptKind::Json;
    return ScriptKind::Other;
}

ScriptResult loadScript(const WidePath& path, ConfigMap& configs) {
    configs.clear();
    if (path.empty())
        return ScriptResult(NoScriptPath);
    std::string text;
    if (!readTextFile(path, text))
        return ScriptResult(FileNotAccessible);
    return loadScriptText(text, scriptKindOf(path), configs);
}

ScriptResult loadScriptText(const std::string& text, ScriptKind kind, ConfigMap& configs) {
    configs.clear();
    ClusterDocuments clusters;
    ScriptResult result(Success);
    switch (kind) {
    case ScriptKind::Cpp:
        result = extractCppSections(text, clusters);
        break;
    case ScriptKind::Json:
        result = parseJsonScript(text, clusters);
        break;
    case ScriptKind::Other:
        // Nothing is extracted: the null document of cluster 0 is rejected by the reader.
        clusters[1].absent = true;
        break;
    }
    if (!result.ok())
        return result;
    return readClusters(clusters, configs);
}

ScriptResult saveScript(const WidePath& path, const ConfigMap& configs) {
    const ScriptKind kind = scriptKindOf(path);
    // Only the two script kinds have a place for the configuration; claiming success for any
    // other file would tell the user their edits were saved when nothing was written.
    if (kind == ScriptKind::Other)
        return ScriptResult(FileNotAccessible, "Only .cpp and .json scripts can be saved");
    if (!allSavable(configs))
        return ScriptResult(InternalError, "A configuration holds a number that is not finite");
    try {
        return kind == ScriptKind::Json ? saveJsonScript(path, configs)
                                        : saveCppScript(path, configs);
    } catch (const std::exception& error) {
        // The serialiser rejects invalid UTF-8; the file has not been touched at this point.
        return ScriptResult(SyntaxError, error.what());
    }
}
