#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

// The locks the graphs take around their sample data and their painting.

// A lock that the thread holding it may take again; it is free once every lock() has been
// matched by an unlock().
class CriticalSectionLock {
public:
    CriticalSectionLock();
    ~CriticalSectionLock();
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

    void lock();
    void unlock();
    // Takes the lock if no other thread holds it; false otherwise.
    bool tryLock();

private:
    // The system's own re-entrant lock: a critical section on Windows, a recursive mutex elsewhere.
    struct Section;
    std::unique_ptr<Section> m_section;
};

// One byte, 0 when free and 1 when taken; waiters spin without sleeping, so hold it only for a few
// instructions.
using SpinFlag = std::atomic<std::uint8_t>;

// Holds one lock of any of the three kinds from construction to destruction.
class ScopedLock {
public:
    explicit ScopedLock(CriticalSectionLock& section);
    explicit ScopedLock(SpinFlag& flag);
    // Raises std::system_error when the mutex cannot be locked.
    explicit ScopedLock(std::mutex& mutex);
    ~ScopedLock();

    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    // Exactly one of these is set.
    CriticalSectionLock* m_section = nullptr;
    SpinFlag* m_flag = nullptr;
    std::mutex* m_mutex = nullptr;
};
