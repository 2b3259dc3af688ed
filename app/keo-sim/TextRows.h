#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

// Building keo-sim's plain-text tables row by row.

// Appends printf-formatted text to `text` (one row's piece, under 256 characters).
inline void append(std::string& text, const char* format, ...) {
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    text += line;
}

// Ends a table row without the padding of its last column.
inline void endLine(std::string& text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text += '\n';
}
