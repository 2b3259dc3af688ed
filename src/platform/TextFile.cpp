#include "TextFile.h"

#include <new>
#include <stdexcept>

// The conversions of text mode, shared by every system. Reading takes the bytes as they are and
// converts CR LF itself rather than through a runtime's text mode, which on Windows would also end
// the file at its first Ctrl+Z byte and so drop the rest of the script on the next save.

bool readTextFile(const WidePath& path, std::string& text) {
    std::vector<char> bytes;
    if (!readWholeFile(path, bytes))
        return false;
    text = crlfToLf(std::string(bytes.begin(), bytes.end()));
    return true;
}

bool sizeForWholeFile(std::vector<char>& bytes, std::uint64_t size) {
    if (size > bytes.max_size())
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return true;
}

std::string crlfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

std::string lfToCrlf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
