#include "Locks.h"

namespace {

constexpr std::uint8_t flagFree = 0;
constexpr std::uint8_t flagTaken = 1;

void acquire(SpinFlag& flag) {
    while (flag.exchange(flagTaken, std::memory_order_acquire) != flagFree) {
        // Wait on a plain read so that the waiters do not keep stealing the cache line from the
        // holder with writes.
        while (flag.load(std::memory_order_relaxed) != flagFree) {
        }
    }
}

} // namespace

ScopedLock::ScopedLock(CriticalSectionLock& section)
    : m_section(&section) {
    m_section->lock();
}

ScopedLock::ScopedLock(SpinFlag& flag)
    : m_flag(&flag) {
    acquire(*m_flag);
}

ScopedLock::ScopedLock(std::mutex& mutex)
    : m_mutex(&mutex) {
    m_mutex->lock();
}

ScopedLock::~ScopedLock() {
    if (m_section)
        m_section->unlock();
    else if (m_flag)
        m_flag->store(flagFree, std::memory_order_release);
    else
        m_mutex->unlock();
}
