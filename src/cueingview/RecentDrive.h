#pragma once

#include "KEOUI64/IKEOOutputDataRetriever.h"
#include "engine/drive/Drive.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// What the vehicle just did, as the host's live output records told it: the vehicle's inputs
// (record words 3-14, and the understeer section's speed and steering angle, words 125-126) of
// the most recent records of the edited cluster, in a ring of fixed size, so that the tuner can
// run the engine along what the engineer has just driven.
//
// Threads: onOutputs() runs on the host's delivery thread, allocates nothing and never waits. It
// writes into the ring under a try-lock; while the GUI thread holds the lock to copy the ring out
// (a few milliseconds), records wait in a small side buffer of the delivery thread's own and go
// into the ring at the next record that gets the lock.
class RecentDrive : public IKEOOutputDataRetriever {
public:
    static constexpr int wordCount = 14;
    // The record words kept, in this order.
    static const int keptWords[wordCount];

    struct Sample {
        std::uint64_t stampUs;
        float values[wordCount];
    };

    // Five minutes at 1000 records per second; more minutes at a slower record rate.
    static constexpr std::size_t defaultCapacity = 300'000;
    // Records that can wait for the lock: four seconds at 1000 records per second.
    static constexpr std::size_t sideBufferCapacity = 4096;

    explicit RecentDrive(std::size_t capacity = defaultCapacity);

    // 1 keeps the second record, anything else the first. Forgets what was kept before.
    void setCluster(int cluster);
    // Forgets every record kept so far.
    void clear();

    void onOutputs(const KEOOutputRecord* first, const KEOOutputRecord* second, bool flag) override;

    // GUI thread: the kept records, oldest first.
    std::vector<Sample> samples() const;
    // How long the drive of the kept records plays, in seconds (before recentDriveOf's limit).
    double seconds() const;

    std::size_t capacity() const { return m_capacity; }

private:
    void push(const Sample& sample);
    void flushSideBuffer();

    // Guarded by m_mutex.
    mutable std::mutex m_mutex;
    // Left uninitialised, so that memory is only taken as records come.
    const std::size_t m_capacity;
    std::unique_ptr<Sample[]> m_ring;
    std::size_t m_next = 0;
    std::size_t m_count = 0;
    std::atomic<int> m_generation{0};
    std::atomic<int> m_cluster{0};
    // Delivery thread only.
    std::vector<Sample> m_side;
    std::size_t m_sideCount = 0;
    int m_appliedGeneration = 0;
};

// The drive of `samples` (as RecentDrive::samples() gives them) over their last `maxSeconds`:
// a record plays as long after the one before as their stamps say, or 1 ms after it where the
// stamps do not advance (a host that does not stamp, a restarted drive) or leap by more than
// 0.1 s (a paused drive). `inputsCarryGravity` tells whether the records'
// vertical acceleration carries gravity (the configuration's option "G1"); the drive's always
// does. Null for fewer than two records.
std::unique_ptr<engine::drive::Drive> recentDriveOf(const std::vector<RecentDrive::Sample>& samples,
                                                    bool inputsCarryGravity,
                                                    double maxSeconds = 300.0);
