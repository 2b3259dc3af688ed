// Section extraction and configuration reading of source-file scripts.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzScriptText(data, size, ScriptKind::Cpp);
    return 0;
}
