#include "KEOUI64/Exports.h"

#include "script/ScriptDetection.h"

extern "C" KEOUI64_EXPORT bool ContainsKEOScript(const QString& path) {
    try {
        return containsScriptSection(path.toStdU16String());
    } catch (...) {
        // Nothing may escape into a host that may have been built with another compiler.
        return false;
    }
}
