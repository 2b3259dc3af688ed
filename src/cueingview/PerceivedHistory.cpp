#include "PerceivedHistory.h"

#include <algorithm>

PerceivedHistory::PerceivedHistory(int capacity)
    : m_ring(std::size_t(std::max(1, capacity))) {}

void PerceivedHistory::push(const PerceivedSample& sample) {
    if (m_count > 0 && sample.seconds < newest().seconds)
        clear();
    const int capacity = int(m_ring.size());
    if (m_count < capacity) {
        m_ring[std::size_t((m_first + m_count) % capacity)] = sample;
        ++m_count;
        return;
    }
    m_ring[std::size_t(m_first)] = sample; // overwrites the oldest
    m_first = (m_first + 1) % capacity;
}

void PerceivedHistory::clear() {
    m_first = m_count = 0;
}

const PerceivedSample& PerceivedHistory::at(int index) const {
    return m_ring[std::size_t((m_first + index) % int(m_ring.size()))];
}
