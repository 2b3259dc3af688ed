#include "platform/Locks.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// Two threads update a plain counter under the lock many times; a lock that lets both in at once
// loses increments, one that is not released deadlocks. Afterwards the lock must be free.
template <typename Lock> long countUnder(Lock& lock) {
    constexpr int iterations = 10000;
    long counter = 0;
    const auto work = [&] {
        for (int i = 0; i < iterations; ++i) {
            const ScopedLock guard(lock);
            const long read = counter;
            std::this_thread::yield(); // widens the window in which a second holder would interfere
            counter = read + 1;
        }
    };
    std::thread other(work);
    work();
    other.join();
    return counter;
}

TEST(ScopedLock, EachKindAdmitsOneHolderAtATimeAndIsFreeAfterwards) {
    SpinFlag flag{0};
    EXPECT_EQ(countUnder(flag), 20000);
    EXPECT_EQ(flag.load(), 0);

    std::mutex mutex;
    EXPECT_EQ(countUnder(mutex), 20000);
    EXPECT_TRUE(mutex.try_lock());
    mutex.unlock();

    CriticalSectionLock section;
    EXPECT_EQ(countUnder(section), 20000);
    EXPECT_TRUE(section.tryLock());
    section.unlock();
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
    section.lock();
    {
        const ScopedLock inner(section); // would deadlock on a non-recursive lock
        EXPECT_FALSE(otherThreadCanTake(section));
    }
    EXPECT_FALSE(otherThreadCanTake(section));
    section.unlock();
    EXPECT_TRUE(otherThreadCanTake(section));
}

} // namespace
