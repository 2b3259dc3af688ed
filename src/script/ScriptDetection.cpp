#include "ScriptDetection.h"

#include "SectionScanner.h"
#include "platform/TextFile.h"

#include <string_view>
#include <vector>

bool containsScriptSection(const WidePath& path) {
    std::vector<char> bytes;
    if (!readWholeFile(path, bytes))
        return false;
    const std::string_view text(bytes.data(), bytes.size());
    const SectionDelimiters delimiters = sectionDelimiters(0);
    return text.find(delimiters.prefix) != std::string_view::npos &&
           text.find(delimiters.suffix) != std::string_view::npos;
}
