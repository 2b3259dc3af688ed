#pragma once

#include <algorithm>
#include <string>

// Where a byte of a text lies, for messages about the files users write: "line 3, column 14".
// `byte` counts from 1, as JSON parsers report the byte they stopped at.
namespace engine {

inline std::string lineAndColumn(const std::string& text, std::size_t byte) {
    const std::size_t at = std::min(byte > 0 ? byte - 1 : 0, text.size());
    const auto line = std::count(text.begin(), text.begin() + std::ptrdiff_t(at), '\n') + 1;
    const std::size_t lineStart = at == 0 ? std::string::npos : text.rfind('\n', at - 1);
    const std::size_t column = lineStart == std::string::npos ? at + 1 : at - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace engine
