// The host delivers on a thread of its own while the GUI thread may tear the retriever down and
// the host may detach it. The threaded cases are meant to run under ThreadSanitizer and
// AddressSanitizer as well.
#include "live/DataRetriever.h"

#include "FakeHost.h"
#include "KEOUI64/DestructionNotifier.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

using fakehost::HostCall;
using fakehost::HostSetup;

constexpr int rounds = 100;

// Checks on the delivering thread that each step arrives whole and in order.
class CheckingListener : public IKEOOutputDataRetriever {
public:
    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second,
                   bool flag) override {
        const std::uint64_t step = first->timestampUs();
        if (second->timestampUs() != step || flag != (step % 2 == 1) ||
            (m_count > 0 && step != m_lastStep + 1))
            m_faults.fetch_add(1);
        m_lastStep = step;
        // Only the delivering thread writes; the test thread reads the count while it runs.
        m_count.store(m_count.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

    void waitForDeliveries(long count) const {
        while (m_count.load(std::memory_order_acquire) < count)
            std::this_thread::yield();
    }
    long count() const { return m_count.load(std::memory_order_acquire); }
    // Read only once the deliveries have stopped.
    std::uint64_t lastStep() const { return m_lastStep; }
    int faults() const { return m_faults.load(); }

private:
    std::uint64_t m_lastStep = 0;
    std::atomic<long> m_count{0};
    std::atomic<int> m_faults{0};
};

// Registered once, released once: what the host's source sees over a retriever's life.
std::vector<HostCall> registeredAndReleased(IKEOOutputDataRetriever* receiver) {
    return {
        {HostCall::SetReceiver, receiver}, {HostCall::SetReceiver, nullptr}, {HostCall::Destroyed}};
}

// A tear-down that waits for a delivery which waits for it never returns; fail loudly instead of
// hanging the test run. The bound only catches a hang; it does not measure anything.
void runOrAbortOnHang(const std::function<void()>& work) {
    auto done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
        std::fputs("tear-down deadlocked with a delivery in progress\n", stderr);
        std::abort();
    }
    done.get();
}

// Released exactly once, whether the retriever goes by itself or with its Qt parent.
TEST(DataRetrieverThreads, DestructionDuringDeliveriesFinishesAndReleasesTheSourceOnce) {
    for (int round = 0; round < rounds; ++round) {
        HostSetup host;
        CheckingListener first;
        CheckingListener second;
        auto parent = std::make_unique<QObject>();
        auto* retriever = new DataRetriever(std::move(host.source), parent.get());
        IKEOOutputDataRetriever* receiver = retriever;
        retriever->addListener(&first);
        retriever->addListener(&second);
        second.waitForDeliveries(5);

        if (round % 2)
            runOrAbortOnHang([&] { parent.reset(); });
        else
            runOrAbortOnHang([&] { delete retriever; });

        ASSERT_EQ(host.log->calls(), registeredAndReleased(receiver)) << "round " << round;
        EXPECT_EQ(first.faults(), 0);
        EXPECT_EQ(second.faults(), 0);
        // A delivery reaches both listeners or neither: the last step they saw is the same.
        EXPECT_EQ(first.lastStep(), second.lastStep());
    }
}

// The host's notice that its source goes: the retriever lets go at once, a delivery that was
// already under way passes nothing on, and destruction leaves the released source alone.
TEST(DataRetrieverThreads, HostNoticeDuringDeliveriesStopsThemBeforeDestruction) {
    for (int round = 0; round < rounds; ++round) {
        HostSetup host;
        CheckingListener listener;
        IKEOOutputDataRetriever* receiver = nullptr;
        {
            DestructionNotifier notifier;
            DataRetriever retriever(std::move(host.source));
            receiver = &retriever;
            notifier.addReceiver(&retriever);
            retriever.addListener(&listener);
            listener.waitForDeliveries(5);

            runOrAbortOnHang([&] { notifier.notifyAboutToBeDestroyed(); });
            const long deliveredBeforeNotice = listener.count();
            const KEOOutputRecord late{};
            retriever.onOutputs(&late, &late, false);
            EXPECT_EQ(listener.count(), deliveredBeforeNotice);
        }
        EXPECT_EQ(listener.faults(), 0);
        ASSERT_EQ(host.log->calls(), registeredAndReleased(receiver)) << "round " << round;
    }
}

TEST(DataRetrieverThreads, ConcurrentNoticesReleaseTheSourceOnce) {
    for (int round = 0; round < rounds; ++round) {
        HostSetup host;
        DataRetriever retriever(std::move(host.source));
        std::thread other([&] { retriever.aboutToBeDestroyed(); });
        retriever.aboutToBeDestroyed();
        other.join();
        ASSERT_EQ(host.log->calls(), registeredAndReleased(&retriever)) << "round " << round;
    }
}

} // namespace
