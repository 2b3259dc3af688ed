#pragma once

#include <cstdint>
#include <cstring>

// One step of the algorithm's outputs for one cluster, as the host delivers it: 32-bit
// little-endian words, a time stamp in microseconds in words 0-1 and the signals as
// single-precision floats in words 2-152. Which word carries which signal is fixed by the editor's
// routing table.
struct KEOOutputRecord {
    static constexpr int wordCount = 153;
    static constexpr int firstSignalWord = 2;

    std::uint32_t words[wordCount];

    std::uint64_t timestampUs() const {
        return std::uint64_t(words[0]) | (std::uint64_t(words[1]) << 32);
    }
    void setTimestampUs(std::uint64_t us) {
        words[0] = std::uint32_t(us);
        words[1] = std::uint32_t(us >> 32);
    }
    float signal(int word) const {
        float value;
        std::memcpy(&value, &words[word], sizeof value);
        return value;
    }
    void setSignal(int word, float value) { std::memcpy(&words[word], &value, sizeof value); }
};

static_assert(sizeof(KEOOutputRecord) == 612, "the record layout is shared with the host");
