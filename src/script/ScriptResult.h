#pragma once

#include <cstdint>
#include <string_view>

// Result codes of every scanner, loading and saving operation.
enum ScriptResultCode : std::int32_t {
    Success = 0,
    InternalError = 1,
    FileNotAccessible = 2,
    SectionNotFound = 3,
    SyntaxError = 4,
    NoScriptPath = 5,
    NoFirstCluster = 6,
};

struct ScriptResult {
    static constexpr int MessageCapacity = 512;

    std::int32_t code = Success;
    char message[MessageCapacity] = {}; // NUL-terminated, at most 511 characters kept

    ScriptResult() = default;
    ScriptResult(std::int32_t resultCode, std::string_view text = {})
        : code(resultCode) {
        setMessage(text);
    }

    void setMessage(std::string_view text);
    bool ok() const { return code == Success; }
};
