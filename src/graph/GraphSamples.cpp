#include "GraphSamples.h"

#include <algorithm>

namespace JVX {

SampleRing::SampleRing(std::uint32_t capacity)
    : m_storage(capacity)
    , m_capacity(capacity) {}

void SampleRing::push(const Sample& sample) {
    if (m_capacity == 0)
        return;
    if (m_count < m_capacity) {
        m_storage[(m_head + m_count) % m_capacity] = sample;
        ++m_count;
        return;
    }
    m_storage[m_head] = sample;
    m_head = (m_head + 1) % m_capacity;
}

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
    m_head = (m_head + 1) % m_capacity;
    --m_count;
}

} // namespace JVX
