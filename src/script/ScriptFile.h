#pragma once

#include "ScriptResult.h"
#include "config/Config.h"
#include "platform/WidePath.h"

#include <cstdint>
#include <map>
#include <string>

// Configurations by cluster index (0 or 1); iteration visits cluster 0 first.
using ConfigMap = std::map<std::int32_t, Config>;

// Which kind of script a path names, by its case-sensitive extension.
enum class ScriptKind { Cpp, Json, Other };
ScriptKind scriptKindOf(const WidePath& path);

// Loads every cluster a ".cpp" or ".json" script carries.
ScriptResult loadScript(const WidePath& path, ConfigMap& configs);

// The part of loading that follows reading the file: `text` is the script as read in text mode.
ScriptResult loadScriptText(const std::string& text, ScriptKind kind, ConfigMap& configs);

// Writes every configuration of the map back into its section of the script.
ScriptResult saveScript(const WidePath& path, const ConfigMap& configs);
