#pragma once

#include <cstdint>
#include <vector>

namespace JVX {

// One stored point: the value after unit conversion and low-pass filtering (before the series'
// scale and offset) and its time stamp in milliseconds.
struct Sample {
    float value = 0.0f;
    std::uint64_t timestamp = 0;

    bool operator==(const Sample& other) const {
        return value == other.value && timestamp == other.timestamp;
    }
};

// A fixed-capacity ring of samples; once full, every push overwrites the oldest sample. The
// storage is allocated when the capacity is set, never by a push.
class SampleRing {
public:
    explicit SampleRing(std::uint32_t capacity = 0);

    void push(const Sample& sample);
    // Keeps the oldest min(capacity, count) samples, re-packed from index 0. Nothing happens when
    // the capacity does not change.
    void resize(std::uint32_t capacity);
    void dropOldest();

    std::uint32_t capacity() const { return m_capacity; }
    std::uint32_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    bool full() const { return m_count == m_capacity; }

    // Sample i, 0 being the oldest; i must be below count().
    const Sample& at(std::uint32_t i) const { return m_storage[(m_head + i) % m_capacity]; }
    const Sample& newest() const { return at(m_count - 1); }
    const Sample& oldest() const { return at(0); }

private:
    std::vector<Sample> m_storage;
    std::uint32_t m_head = 0;
    std::uint32_t m_capacity = 0;
    std::uint32_t m_count = 0;
};

// One series of a graph. Scale and offset only change what is displayed, never what is stored.
struct Channel {
    SampleRing ring;
    bool visible = true;
    float scale = 1.0f;
    float offset = 0.0f;

    float displayed(const Sample& sample) const { return sample.value * scale + offset; }
};

} // namespace JVX
