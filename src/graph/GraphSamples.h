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

    // Inline: every step of every graph pushes a sample to each of its series.
    void push(const Sample& sample) {
        if (m_capacity == 0)
            return;
        if (m_count < m_capacity) {
            m_storage[wrap(m_head + m_count)] = sample;
            ++m_count;
            return;
        }
        m_storage[m_head] = sample;
        m_head = wrap(m_head + 1);
    }
    // Keeps the oldest min(capacity, count) samples, re-packed from index 0. Nothing happens when
    // the capacity does not change.
    void resize(std::uint32_t capacity);
    void dropOldest();

    std::uint32_t capacity() const { return m_capacity; }
    std::uint32_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    bool full() const { return m_count == m_capacity; }

    // Sample i, 0 being the oldest; i must be below count(). The painter reads every sample of
    // every series at each paint, so this avoids an integer division: head + i < 2 x capacity.
    const Sample& at(std::uint32_t i) const { return m_storage[wrap(m_head + i)]; }
    const Sample& newest() const { return at(m_count - 1); }
    // Calls f(sample) for the oldest `count` samples (at most count()), oldest first, walking the
    // storage in at most two straight runs.
    template <class F> void forEach(std::uint32_t count, F&& f) const {
        count = count < m_count ? count : m_count;
        const std::uint32_t untilEnd = m_capacity - m_head;
        const std::uint32_t firstRun = count < untilEnd ? count : untilEnd;
        for (std::uint32_t i = 0; i < firstRun; ++i)
            f(m_storage[m_head + i]);
        for (std::uint32_t i = firstRun; i < count; ++i)
            f(m_storage[i - firstRun]);
    }
    const Sample& oldest() const { return at(0); }

private:
    std::uint32_t wrap(std::uint32_t index) const {
        return index >= m_capacity ? index - m_capacity : index;
    }

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

// The displayed values of one series that fall into one pixel column of a paint: the first and
// the last, the smallest and the largest finite ones, and which kinds of non-finite values occur.
struct ColumnValues {
    int x = 0;
    float first = 0.0f;
    float last = 0.0f;
    float smallest = 0.0f;
    float largest = 0.0f;
    bool hasNaN = false;
    bool hasPlusInfinity = false;
    bool hasMinusInfinity = false;

    void start(int column, float value);
    void add(float value);
    bool hasFinite() const { return smallest <= largest; }
};

} // namespace JVX
