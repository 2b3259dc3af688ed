// Loading of whole-file JSON scripts.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzScriptText(data, size, ScriptKind::Json);
    return 0;
}
