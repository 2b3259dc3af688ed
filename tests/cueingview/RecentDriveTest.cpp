#include "cueingview/RecentDrive.h"

#include "engine/Words.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <thread>

// Counts the allocations of the thread that asks for it, so that the delivery path can be shown
// to allocate nothing.
namespace {
thread_local bool countingAllocations = false;
thread_local long allocations = 0;
} // namespace

// Not inlined, so that the compiler does not pair a replaced delete's free() with a new it takes
// for the standard one.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (countingAllocations)
        ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

namespace w = engine::words;
constexpr double g = 9.80665;

// Record `step` of a drive stamped every 2 ms (500 records per second), each vehicle word a
// different sine.
KEOOutputRecord recordAt(int step, std::uint64_t firstStampUs = 2000) {
    KEOOutputRecord record{};
    record.setTimestampUs(firstStampUs + std::uint64_t(step) * 2000);
    for (int i = 0; i < RecentDrive::wordCount; ++i)
        record.setSignal(RecentDrive::keptWords[i], float(0.1 * (i + 1) * std::sin(0.01 * step)));
    return record;
}

void deliver(RecentDrive& recent, int from, int to) {
    for (int step = from; step < to; ++step) {
        const KEOOutputRecord record = recordAt(step);
        recent.onOutputs(&record, &record, false);
    }
}

struct Reproduced {
    const char* what;
    int word;
    double (*member)(const engine::VehicleInput&);
    double offset; // what the drive adds to the record's value
};

// Every record's inputs come back from the drive at its time, for a configuration whose inputs
// leave gravity out (the drive's vertical acceleration then gains 1 g) and one whose inputs carry
// it.
TEST(RecentDrive, ReproducesTheInputsOfEveryRecordKept) {
    RecentDrive recent(1000);
    deliver(recent, 0, 600);
    const auto samples = recent.samples();
    ASSERT_EQ(samples.size(), 600u);
    EXPECT_NEAR(recent.seconds(), 599 * 0.002, 1e-9);
    for (const bool carriesGravity : {false, true}) {
        const auto drive = recentDriveOf(samples, carriesGravity);
        ASSERT_TRUE(drive);
        EXPECT_NEAR(drive->duration(), 599 * 0.002, 1e-9);
        const Reproduced table[] = {
            {"surge", w::longitudinalAcceleration,
             [](const engine::VehicleInput& in) { return in.longitudinalAcceleration; }, 0.0},
            {"heave", w::verticalAcceleration,
             [](const engine::VehicleInput& in) { return in.verticalAcceleration; },
             carriesGravity ? 0.0 : g},
            {"yaw rate", w::yawRate, [](const engine::VehicleInput& in) { return in.yawRate; },
             0.0},
            {"sideslip", w::sideslip,
             [](const engine::VehicleInput& in) { return in.sideslipAngle; }, 0.0},
            {"speed", w::speed, [](const engine::VehicleInput& in) { return in.speed; }, 0.0},
            {"steering", w::frontWheelAngle,
             [](const engine::VehicleInput& in) { return in.frontWheelAngle; }, 0.0},
        };
        for (const Reproduced& row : table)
            for (int step : {0, 1, 313, 599})
                EXPECT_NEAR(row.member(drive->at(step * 0.002)),
                            recordAt(step).signal(row.word) + row.offset, 1e-6)
                    << row.what << " at record " << step;
    }
}

// Beyond its capacity the ring keeps the latest records; beyond the drive's span only the last
// seconds play.
TEST(RecentDrive, KeepsOnlyTheLatestRecords) {
    RecentDrive recent(1000);
    deliver(recent, 0, 2500);
    const auto samples = recent.samples();
    ASSERT_EQ(samples.size(), 1000u);
    EXPECT_EQ(samples.front().stampUs, recordAt(1500).timestampUs());
    EXPECT_EQ(samples.back().stampUs, recordAt(2499).timestampUs());

    const auto drive = recentDriveOf(samples, true, 1.0);
    ASSERT_TRUE(drive);
    EXPECT_NEAR(drive->duration(), 1.0, 1e-9);
    EXPECT_NEAR(drive->at(0.0).longitudinalAcceleration,
                recordAt(2499 - 500).signal(w::longitudinalAcceleration), 1e-6);

    recent.clear();
    EXPECT_TRUE(recent.samples().empty());
    EXPECT_FALSE(recentDriveOf(recent.samples(), true));
}

struct Timing {
    const char* what;
    std::uint64_t stampsUs[4];
    double seconds; // how long the drive plays
};

// Records play as far apart as their stamps say; where the stamps stand still or run back (a host
// that does not stamp, a restarted drive) or leap (a paused drive), 1 ms apart.
TEST(RecentDrive, PlaysRecordsAsFarApartAsTheyCame) {
    const Timing table[] = {
        {"stamped at 500 Hz", {2000, 4000, 6000, 8000}, 0.006},
        {"unstamped", {0, 0, 0, 0}, 0.003},
        {"restarted", {5000, 7000, 1000, 3000}, 0.005},
        {"paused for a minute", {2000, 4000, 60'004'000, 60'006'000}, 0.005},
    };
    for (const Timing& row : table) {
        RecentDrive recent(100);
        KEOOutputRecord record{};
        for (int i = 0; i < 4; ++i) {
            record.setTimestampUs(row.stampsUs[i]);
            record.setSignal(w::rollRate, float(i));
            recent.onOutputs(&record, &record, false);
        }
        EXPECT_NEAR(recent.seconds(), row.seconds, 1e-9) << row.what;
        const auto drive = recentDriveOf(recent.samples(), true);
        ASSERT_TRUE(drive) << row.what;
        EXPECT_NEAR(drive->duration(), row.seconds, 1e-9) << row.what;
        EXPECT_NEAR(drive->at(row.seconds).rollRate, 3.0, 1e-9) << row.what;
    }
}

// The host delivers a record every 100 µs while the window copies the ring out again and again:
// no record is lost while it waits for the lock, and a delivery allocates nothing.
TEST(RecentDrive, DeliversWithoutWaitingLosingOrAllocating) {
    constexpr int records = 3000;
    constexpr std::chrono::microseconds recordPeriod{100};
    RecentDrive recent(records);
    std::atomic<bool> done{false};
    long deliveryAllocations = -1;
    std::thread host([&] {
        countingAllocations = true;
        // Paced by the clock, as a host's simulation loop is (a sleep this short is far longer
        // on some systems).
        const auto start = std::chrono::steady_clock::now();
        for (int step = 0; step < records; ++step) {
            deliver(recent, step, step + 1);
            while (std::chrono::steady_clock::now() < start + (step + 1) * recordPeriod) {
            }
        }
        countingAllocations = false;
        deliveryAllocations = allocations;
        done = true;
    });
    std::size_t copies = 0;
    while (!done)
        copies += recent.samples().empty() ? 0 : 1;
    host.join();
    deliver(recent, records, records + 1); // what waited goes in with the next record
    EXPECT_EQ(deliveryAllocations, 0);
    EXPECT_GT(copies, 0u);
    const auto samples = recent.samples();
    ASSERT_EQ(samples.size(), std::size_t(records));
    for (std::size_t i = 1; i < samples.size(); ++i)
        ASSERT_EQ(samples[i].stampUs - samples[i - 1].stampUs, 2000u) << "at " << i;
}

} // namespace
