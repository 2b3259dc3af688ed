#pragma once

#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "script/ScriptFile.h"
#include "script/SectionScanner.h"

#include <cstdlib>
#include <cstring>

// Every configuration that loads must load again from its saved form: otherwise a save could
// produce a file that the editor cannot open. Reading normalises what the format cannot express
// (fixed filter types, default limits), so from the first reread on the saved text must be stable.
inline std::string savedForm(const Config& config) {
    Json written;
    writeConfig(config, written);
    return serializeSectionBody(written);
}

inline Config reread(const std::string& body) {
    Config config = zeroConfig();
    readConfig(Json::parse(body), config); // throws, and so fails the run, if it cannot be read
    return config;
}

inline void checkSavedFormReloads(const ConfigMap& configs) {
    for (const auto& [cluster, config] : configs) {
        const std::string normalised = savedForm(reread(savedForm(config)));
        if (savedForm(reread(normalised)) != normalised)
            std::abort();
    }
}

inline void fuzzScriptText(const std::uint8_t* data, std::size_t size, ScriptKind kind) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ConfigMap configs;
    const ScriptResult result = loadScriptText(text, kind, configs);
    if (std::strlen(result.message) > 511)
        std::abort();
    if (result.ok())
        checkSavedFormReloads(configs);
}
