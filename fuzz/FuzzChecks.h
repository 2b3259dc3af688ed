#pragma once

#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "script/ScriptFile.h"
#include "script/SectionScanner.h"

#include <cstdlib>
#include <cstring>

// Every configuration that loads must survive being written and read again unchanged in its
// written form: otherwise a save could produce a file that the editor cannot open.
inline void checkSavedFormReloads(const ConfigMap& configs) {
    for (const auto& [cluster, config] : configs) {
        Json written;
        writeConfig(config, written);
        const std::string body = serializeSectionBody(written);
        Json reparsed = Json::parse(body);
        Config reread = zeroConfig();
        readConfig(reparsed, reread);
        Json rewritten;
        writeConfig(reread, rewritten);
        if (serializeSectionBody(rewritten) != body)
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
