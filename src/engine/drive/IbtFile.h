#pragma once

#include "FileBytes.h"

#include <cstdint>
#include <string>
#include <vector>

// The disk layout of an iRacing telemetry file (.ibt) as the iRacing SDK's irsdk_defines.h lays
// it out, little-endian throughout:
//
//   byte 0    irsdk_header, 112 bytes: ver, status, tickRate, sessionInfoUpdate, sessionInfoLen,
//             sessionInfoOffset, numVars, varHeaderOffset, numBuf, bufLen (int32 each), 8 bytes
//             of padding, then varBuf[4] of 16 bytes each (tickCount, bufOffset, 8 of padding)
//   byte 112  irsdk_diskSubHeader, 32 bytes: sessionStartDate (int64), sessionStartTime and
//             sessionEndTime (double), sessionLapCount, sessionRecordCount (int32)
//   varHeaderOffset: numVars irsdk_varHeader of 144 bytes: type, offset, count (int32),
//             countAsTime (1 byte), 3 of padding, name[32], desc[64], unit[32]
//   varBuf[0].bufOffset: sessionRecordCount rows of bufLen bytes, each variable at its offset
//             within the row: char and bool 1 byte, int, bitfield and float 4, double 8, times
//             its count
//
// Everything the layout promises is checked against the file before a row is read: a file cut
// short or inconsistent throws DriveError with the byte offset of the fault and what is wrong.
namespace engine::drive::ibt {

constexpr std::uint64_t headerBytes = 144; // irsdk_header and irsdk_diskSubHeader
constexpr std::uint64_t variableHeaderBytes = 144;
constexpr int layoutVersion = 2; // IRSDK_VER

enum Type : int { Char, Bool, Int, BitField, Float, Double, TypeCount };

struct Variable {
    std::string name, unit;
    int type = Float;
    std::uint32_t offset = 0; // within a row
    std::uint32_t count = 1;
    std::uint64_t headerAt = 0; // the byte its irsdk_varHeader starts at, for messages
};

struct Layout {
    std::vector<Variable> variables;
    std::uint64_t rowsAt = 0;
    std::uint32_t rowBytes = 0;
    std::uint32_t rowCount = 0;
};

// Reads and checks the headers; `fileName` names the file in messages ("lap.ibt, byte 28: ...").
Layout readLayout(ByteSource& bytes, const std::string& fileName);

// Throws DriveError "FILE, byte OFFSET: WHAT".
[[noreturn]] void fail(const std::string& fileName, std::uint64_t offset, const std::string& what);

// The value of a variable of type Char to Double at `at` as a number.
double decode(const char* at, int type);

} // namespace engine::drive::ibt
