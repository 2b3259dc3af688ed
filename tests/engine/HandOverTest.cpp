// The hand-over between keo-editor's GUI thread and its delivery thread, under load from both
// sides: the receiver always gets the newest value, a value it holds stays intact until it takes
// the next, and nothing leaks or is freed twice (run it under AddressSanitizer and
// ThreadSanitizer).
#include "HandOver.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// Large enough to live on the heap, so that a value freed too early is noticed.
struct Payload {
    std::vector<int> numbers;
};

TEST(HandOver, TheReceiverSeesOnlyNewerValuesAndKeepsEachIntactUntilTheNext) {
    constexpr int values = 20000;
    HandOver<Payload> handOver;
    std::thread sender([&handOver] {
        for (int i = 1; i <= values; ++i)
            handOver.send(Payload{std::vector<int>(64, i)});
    });
    int newest = 0;
    const Payload* held = nullptr;
    while (newest < values) {
        if (held) {
            ASSERT_EQ(held->numbers.front(), newest);
            ASSERT_EQ(held->numbers.back(), newest);
        }
        if (const Payload* received = handOver.receive()) {
            ASSERT_GT(received->numbers.front(), newest);
            newest = received->numbers.front();
            held = received;
        }
    }
    sender.join();
    EXPECT_EQ(handOver.receive(), nullptr) << "the last value was taken already";
}

} // namespace
