#pragma once

#include <array>
#include <atomic>
#include <cstdint>

// The platform's six degrees of freedom of each cluster at the engine's latest step, written by
// the delivery thread and read by the GUI thread: a sequence lock over atomics, so the writer
// never waits and a reader gets the six of one step, never a mix of two.
class LatestPlatform {
public:
    using Dofs = std::array<float, 6>; // roll, pitch, yaw, heave, sway, surge

    // The delivering thread only.
    void publish(int cluster, const Dofs& dofs) {
        Slot& slot = m_slots[std::size_t(cluster)];
        const std::uint32_t sequence = slot.sequence.load(std::memory_order_relaxed);
        slot.sequence.store(sequence + 1, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        for (std::size_t i = 0; i < 6; ++i)
            slot.dofs[i].store(dofs[i], std::memory_order_relaxed);
        slot.sequence.store(sequence + 2, std::memory_order_release);
    }

    // Any thread.
    Dofs read(int cluster) const {
        const Slot& slot = m_slots[std::size_t(cluster)];
        Dofs dofs{};
        for (;;) {
            const std::uint32_t before = slot.sequence.load(std::memory_order_acquire);
            for (std::size_t i = 0; i < 6; ++i)
                dofs[i] = slot.dofs[i].load(std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (before % 2 == 0 && slot.sequence.load(std::memory_order_relaxed) == before)
                return dofs;
        }
    }

private:
    struct Slot {
        std::atomic<std::uint32_t> sequence{0}; // odd while a step is being written
        std::array<std::atomic<float>, 6> dofs{};
    };
    std::array<Slot, 2> m_slots;
};
