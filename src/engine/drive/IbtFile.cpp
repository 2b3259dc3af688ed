#include "IbtFile.h"

#include "Drive.h"

#include <cstring>

namespace engine::drive::ibt {
namespace {

// irsdk_VarTypeBytes
constexpr std::uint32_t typeBytes[TypeCount] = {1, 1, 4, 4, 4, 8};

std::uint32_t unsigned32(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::int32_t signed32(const char* at) {
    const std::uint32_t bits = unsigned32(at);
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t unsigned64(const char* at) {
    return std::uint64_t(unsigned32(at)) | std::uint64_t(unsigned32(at + 4)) << 32;
}

// A fixed-size text field: up to its first NUL.
std::string fixedText(const char* at, std::size_t size) {
    const void* end = std::memchr(at, '\0', size);
    return std::string(at, end ? std::size_t(static_cast<const char*>(end) - at) : size);
}

// The header's fields this reader relies on, each with the byte it was read from.
struct Header {
    const char* bytes;
    std::int32_t at(std::uint64_t offset) const { return signed32(bytes + offset); }
};

std::string range(std::uint64_t from, std::uint64_t to) {
    return "bytes " + std::to_string(from) + " to " + std::to_string(to);
}

// A region the header promises, which must lie within the file.
void checkRegion(const std::string& fileName, std::uint64_t fieldAt, const std::string& what,
                 std::uint64_t from, std::uint64_t length, std::uint64_t fileSize) {
    if (from + length > fileSize)
        fail(fileName, fieldAt,
             what + " need " + range(from, from + length) + "; the file ends at byte " +
                 std::to_string(fileSize));
}

Variable readVariable(const char* at, std::uint64_t headerAt, std::uint32_t rowBytes,
                      const std::string& fileName) {
    Variable variable;
    variable.headerAt = headerAt;
    variable.type = signed32(at);
    const std::int32_t offset = signed32(at + 4), count = signed32(at + 8);
    variable.name = fixedText(at + 16, 32);
    variable.unit = fixedText(at + 112, 32);
    const std::string named = "variable \"" + variable.name + "\"";
    if (variable.type < 0 || variable.type >= TypeCount)
        fail(fileName, headerAt,
             named + " has type " + std::to_string(variable.type) + "; the types are 0 to 5");
    if (offset < 0 || count < 1)
        fail(fileName, headerAt + 4,
             named + " has offset " + std::to_string(offset) + " and count " +
                 std::to_string(count));
    variable.offset = std::uint32_t(offset);
    variable.count = std::uint32_t(count);
    const std::uint64_t end =
        std::uint64_t(variable.offset) + std::uint64_t(typeBytes[variable.type]) * variable.count;
    if (end > rowBytes)
        fail(fileName, headerAt + 4,
             named + " at bytes " + std::to_string(variable.offset) + " to " + std::to_string(end) +
                 " of a row runs past the row's " + std::to_string(rowBytes) + " bytes");
    return variable;
}

} // namespace

void fail(const std::string& fileName, std::uint64_t offset, const std::string& what) {
    throw DriveError(fileName + ", byte " + std::to_string(offset) + ": " + what);
}

double decode(const char* at, int type) {
    switch (type) {
    case Char:
    case Bool:
        return double(static_cast<unsigned char>(*at));
    case Int:
        return double(signed32(at));
    case BitField:
        return double(unsigned32(at));
    case Float: {
        const std::uint32_t bits = unsigned32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    }
    default: {
        const std::uint64_t bits = unsigned64(at);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    }
}

Layout readLayout(ByteSource& bytes, const std::string& fileName) {
    const std::uint64_t size = bytes.size();
    if (size < headerBytes)
        fail(fileName, size,
             "the file ends within its header and sub-header, which take " +
                 std::to_string(headerBytes) + " bytes");
    char headerBuffer[headerBytes];
    bytes.read(0, headerBytes, headerBuffer);
    const Header header{headerBuffer};
    if (header.at(0) != layoutVersion)
        fail(fileName, 0,
             "header version " + std::to_string(header.at(0)) + "; the layout read here is " +
                 std::to_string(layoutVersion));
    const std::int32_t variableCount = header.at(24), variablesAt = header.at(28);
    const std::int32_t bufferCount = header.at(32), rowBytes = header.at(36);
    const std::int32_t rowsAt = header.at(52), rowCount = header.at(140);
    const std::int32_t sessionInfoLength = header.at(16), sessionInfoAt = header.at(20);
    if (variableCount < 1 || variableCount > 100000)
        fail(fileName, 24, std::to_string(variableCount) + " variables");
    if (bufferCount < 1 || bufferCount > 4)
        fail(fileName, 32, std::to_string(bufferCount) + " buffers; a recording has 1 to 4");
    if (rowBytes < 1)
        fail(fileName, 36, "rows of " + std::to_string(rowBytes) + " bytes");
    if (rowCount < 2)
        fail(fileName, 140,
             std::to_string(rowCount) + (rowCount == 1 ? " row" : " rows") +
                 " recorded; a drive needs at least two");
    if (sessionInfoAt < 0 || sessionInfoLength < 0)
        fail(fileName, 16,
             "session info of " + std::to_string(sessionInfoLength) + " bytes at byte " +
                 std::to_string(sessionInfoAt));
    checkRegion(fileName, 20, "the session info", std::uint64_t(sessionInfoAt),
                std::uint64_t(sessionInfoLength), size);
    if (variablesAt < std::int32_t(headerBytes))
        fail(fileName, 28,
             "variable headers at byte " + std::to_string(variablesAt) + ", inside the header");
    checkRegion(fileName, 28, "the variable headers", std::uint64_t(variablesAt),
                std::uint64_t(variableCount) * variableHeaderBytes, size);
    if (rowsAt < std::int32_t(headerBytes))
        fail(fileName, 52, "rows at byte " + std::to_string(rowsAt) + ", inside the header");
    const std::uint64_t rowsEnd = std::uint64_t(rowsAt) + std::uint64_t(rowBytes) * rowCount;
    if (rowsEnd > size) {
        const std::uint64_t available = size > std::uint64_t(rowsAt) ? size - rowsAt : 0;
        const std::uint64_t whole = available / std::uint64_t(rowBytes);
        fail(fileName, std::uint64_t(rowsAt) + whole * std::uint64_t(rowBytes),
             "the file ends at byte " + std::to_string(size) + " within row " +
                 std::to_string(whole + 1) + " of the " + std::to_string(rowCount) + " rows of " +
                 std::to_string(rowBytes) + " bytes the sub-header records");
    }

    Layout layout;
    layout.rowsAt = std::uint64_t(rowsAt);
    layout.rowBytes = std::uint32_t(rowBytes);
    layout.rowCount = std::uint32_t(rowCount);
    std::vector<char> headers(std::size_t(variableCount) * variableHeaderBytes);
    bytes.read(std::uint64_t(variablesAt), headers.size(), headers.data());
    for (std::int32_t i = 0; i < variableCount; ++i) {
        const std::uint64_t offset = std::uint64_t(i) * variableHeaderBytes;
        layout.variables.push_back(readVariable(headers.data() + offset,
                                                std::uint64_t(variablesAt) + offset,
                                                layout.rowBytes, fileName));
    }
    return layout;
}

} // namespace engine::drive::ibt
