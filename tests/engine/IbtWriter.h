#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Writes an iRacing telemetry file (.ibt) from the layout the iRacing SDK documents in
// irsdk_defines.h, independently of the reader: irsdk_header (112 bytes) and irsdk_diskSubHeader
// (32 bytes), the session info text, the irsdk_varHeader array (144 bytes each), then the rows of
// bufLen bytes, little-endian. The offsets of each part are kept so that tests can spoil them.
namespace ibtfixture {

enum Type : int { Char, Bool, Int, BitField, Float, Double };

struct Variable {
    std::string name, unit;
    int type = Float;
    int count = 1;
};

inline int typeBytes(int type) {
    return type == Double ? 8 : type >= Int ? 4 : 1;
}

class Writer {
public:
    explicit Writer(std::vector<Variable> variables)
        : m_variables(std::move(variables)) {
        for (const Variable& variable : m_variables) {
            m_offsets.push_back(rowBytes);
            rowBytes += typeBytes(variable.type) * variable.count;
        }
    }

    // One value per variable (the first element of an array).
    void addRow(const std::vector<double>& values) {
        std::string row(std::size_t(rowBytes), '\0');
        for (std::size_t i = 0; i < m_variables.size(); ++i)
            put(row, std::size_t(m_offsets[i]), m_variables[i].type, values[i]);
        m_rows += row;
        ++m_rowCount;
    }

    std::string bytes() {
        const std::string sessionInfo = "---\nWeekendInfo:\n TrackName: test\n...\n";
        sessionInfoAt = 144;
        variableHeadersAt = sessionInfoAt + std::int32_t(sessionInfo.size());
        rowsAt = variableHeadersAt + 144 * std::int32_t(m_variables.size());
        std::string file(std::size_t(rowsAt), '\0');
        putInt(file, 0, 2);  // ver
        putInt(file, 4, 1);  // status
        putInt(file, 8, 60); // tickRate
        putInt(file, 12, 1); // sessionInfoUpdate
        putInt(file, 16, std::int32_t(sessionInfo.size()));
        putInt(file, 20, sessionInfoAt);
        putInt(file, 24, std::int32_t(m_variables.size()));
        putInt(file, 28, variableHeadersAt);
        putInt(file, 32, 1); // numBuf
        putInt(file, 36, rowBytes);
        putInt(file, 48, m_rowCount); // varBuf[0].tickCount
        putInt(file, 52, rowsAt);     // varBuf[0].bufOffset
        put(file, 112, Double, 0.0);  // sessionStartDate, as 8 bytes of zero
        put(file, 120, Double, 0.0);  // sessionStartTime
        put(file, 128, Double, 60.0); // sessionEndTime
        putInt(file, 136, 1);         // sessionLapCount
        putInt(file, 140, m_rowCount);
        file.replace(std::size_t(sessionInfoAt), sessionInfo.size(), sessionInfo);
        for (std::size_t i = 0; i < m_variables.size(); ++i) {
            const std::size_t at = std::size_t(variableHeadersAt) + 144 * i;
            putInt(file, at, m_variables[i].type);
            putInt(file, at + 4, m_offsets[i]);
            putInt(file, at + 8, m_variables[i].count);
            putText(file, at + 16, m_variables[i].name, 32);
            putText(file, at + 48, "a variable of the test", 64);
            putText(file, at + 112, m_variables[i].unit, 32);
        }
        return file + m_rows;
    }

    // Where the parts of the last bytes() start.
    std::int32_t sessionInfoAt = 0, variableHeadersAt = 0, rowsAt = 0;
    std::int32_t rowBytes = 0;

    std::int32_t variableHeaderAt(const std::string& name) const {
        for (std::size_t i = 0; i < m_variables.size(); ++i)
            if (m_variables[i].name == name)
                return variableHeadersAt + 144 * std::int32_t(i);
        return -1;
    }
    std::int32_t offsetInRow(const std::string& name) const {
        for (std::size_t i = 0; i < m_variables.size(); ++i)
            if (m_variables[i].name == name)
                return m_offsets[i];
        return -1;
    }

    static void putInt(std::string& bytes, std::size_t at, std::int32_t value) {
        const auto bits = std::uint32_t(value);
        for (int i = 0; i < 4; ++i)
            bytes[at + std::size_t(i)] = char((bits >> (8 * i)) & 0xFF);
    }

    static void putText(std::string& bytes, std::size_t at, const std::string& text,
                        std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            bytes[at + i] = i < text.size() ? text[i] : '\0';
    }

    static void put(std::string& bytes, std::size_t at, int type, double value) {
        std::uint64_t bits = 0;
        int size = typeBytes(type);
        if (type == Float) {
            const float single = float(value);
            std::uint32_t word;
            std::memcpy(&word, &single, 4);
            bits = word;
        } else if (type == Double) {
            std::memcpy(&bits, &value, 8);
        } else {
            bits = std::uint64_t(std::int64_t(value));
        }
        for (int i = 0; i < size; ++i)
            bytes[at + std::size_t(i)] = char((bits >> (8 * i)) & 0xFF);
    }

private:
    std::vector<Variable> m_variables;
    std::vector<std::int32_t> m_offsets;
    std::string m_rows;
    std::int32_t m_rowCount = 0;
};

} // namespace ibtfixture
