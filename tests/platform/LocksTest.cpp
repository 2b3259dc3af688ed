#include "platform/Locks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

constexpr int threadCount = 2;
constexpr int iterationsPerThread = 10000;

// Counts how many threads are inside the guarded region at once, and keeps a plain counter that
// loses increments when two threads update it together.
struct ExclusionProbe {
    std::atomic<int> holders{0};
    std::atomic<int> mostHoldersSeen{0};
    long plainCounter = 0;

    void visit() {
        const int inside = holders.fetch_add(1) + 1;
        int most = mostHoldersSeen.load();
        while (inside > most && !mostHoldersSeen.compare_exchange_weak(most, inside)) {
        }
        const long read = plainCounter;
        std::this_thread::yield(); // widens the window in which a second holder would interfere
        plainCounter = read + 1;
        holders.fetch_sub(1);
    }
};

template <typename Lock> void hammer(Lock& lock, ExclusionProbe& probe) {
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < iterationsPerThread; ++i) {
                const ScopedLock guard(lock);
                probe.visit();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
}

template <typename Lock> void expectExclusive(Lock& lock) {
    ExclusionProbe probe;
    hammer(lock, probe);
    EXPECT_EQ(probe.mostHoldersSeen.load(), 1);
    EXPECT_EQ(probe.plainCounter, long(threadCount) * iterationsPerThread);
}

TEST(ScopedLock, SpinFlagAdmitsOneHolderAtATime) {
    SpinFlag flag{0};
    expectExclusive(flag);
    EXPECT_EQ(flag.load(), 0) << "the flag must be free after the last holder left";
}

TEST(ScopedLock, MutexAdmitsOneHolderAtATime) {
    std::mutex mutex;
    expectExclusive(mutex);
    EXPECT_TRUE(mutex.try_lock()) << "the mutex must be free after the last holder left";
    mutex.unlock();
}

TEST(ScopedLock, CriticalSectionAdmitsOneHolderAtATime) {
    CriticalSectionLock section;
    expectExclusive(section);
    EXPECT_TRUE(section.tryLock()) << "the section must be free after the last holder left";
    section.unlock();
}

TEST(ScopedLock, TakesTheSpinFlagForItsLifetime) {
    SpinFlag flag{0};
    {
        const ScopedLock guard(flag);
        EXPECT_EQ(flag.load(), 1);
    }
    EXPECT_EQ(flag.load(), 0);
}

TEST(ScopedLock, HoldsTheMutexForItsLifetime) {
    std::mutex mutex;
    {
        const ScopedLock guard(mutex);
        std::thread other([&] { EXPECT_FALSE(mutex.try_lock()); });
        other.join();
    }
    EXPECT_TRUE(mutex.try_lock());
    mutex.unlock();
}

bool otherThreadCanTake(CriticalSectionLock& section) {
    bool taken = false;
    std::thread other([&] {
        taken = section.tryLock();
        if (taken)
            section.unlock();
    });
    other.join();
    return taken;
}

TEST(CriticalSectionLock, OwnerReentersAndOthersWaitUntilEveryEntryIsLeft) {
    CriticalSectionLock section;
    {
        const ScopedLock outer(section);
        {
            const ScopedLock inner(section); // would deadlock on a non-recursive lock
            EXPECT_FALSE(otherThreadCanTake(section));
        }
        EXPECT_FALSE(otherThreadCanTake(section));
    }
    EXPECT_TRUE(otherThreadCanTake(section));
}

TEST(CriticalSectionLock, LockAndUnlockPairUp) {
    CriticalSectionLock section;
    section.lock();
    section.lock();
    section.unlock();
    EXPECT_FALSE(otherThreadCanTake(section));
    section.unlock();
    EXPECT_TRUE(otherThreadCanTake(section));
}

} // namespace
