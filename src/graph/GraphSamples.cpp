#include "GraphSamples.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace JVX {

SampleRing::SampleRing(std::uint32_t capacity)
    : m_storage(capacity)
    , m_capacity(capacity) {}

void SampleRing::resize(std::uint32_t capacity) {
    if (capacity == m_capacity)
        return;
    std::vector<Sample> storage(capacity);
    const std::uint32_t kept = std::min(capacity, m_count);
    for (std::uint32_t i = 0; i < kept; ++i)
        storage[i] = at(i);
    m_storage.swap(storage);
    m_capacity = capacity;
    m_head = 0;
    m_count = kept;
}

void SampleRing::dropOldest() {
    if (m_count == 0)
        return;
    m_head = wrap(m_head + 1);
    --m_count;
}

void ColumnValues::start(int column, float value) {
    x = column;
    first = value;
    smallest = std::numeric_limits<float>::infinity();
    largest = -std::numeric_limits<float>::infinity();
    hasNaN = hasPlusInfinity = hasMinusInfinity = false;
    add(value);
}

void ColumnValues::add(float value) {
    last = value;
    if (std::isfinite(value)) {
        smallest = std::min(smallest, value);
        largest = std::max(largest, value);
    } else if (std::isnan(value)) {
        hasNaN = true;
    } else {
        (value > 0.0f ? hasPlusInfinity : hasMinusInfinity) = true;
    }
}

} // namespace JVX
