#pragma once

#include "KEOUI64/OutputRecord.h"
#include "KEOUI64/WorkEnvelopeLimits.h"

#include <array>
#include <cstdint>

// How much of its work envelope the platform uses over a whole drive, from the final degrees of
// freedom of the output records (words 147-152): per degree of freedom the latest value, the peak
// magnitude and the seconds spent at the envelope's edge (at least `edgeShare` of it). Time comes
// from the records' stamps; a stamp that does not advance, or jumps back or by more than
// `longestGap`, adds no time. Plain data of fixed size: add() allocates nothing.
class EnvelopeUse {
public:
    // Surge, sway, heave (m), roll, pitch, yaw (rad): the channels' order.
    static constexpr int dofCount = 6;
    static constexpr double edgeShare = 0.99;
    static constexpr double longestGap = 0.1; // s

    struct Dof {
        double envelope = 0.0, value = 0.0, peak = 0.0, secondsAtEdge = 0.0;
        // Of the envelope; 0 where the envelope is not known.
        double share() const { return envelope > 0.0 ? value / envelope : 0.0; }
        double peakShare() const { return envelope > 0.0 ? peak / envelope : 0.0; }
    };

    void setEnvelope(const WorkEnvelopeLimits& envelope);
    void add(const KEOOutputRecord& record) noexcept;
    // Forgets the drive, keeps the envelope.
    void reset() noexcept;

    const Dof& dof(int index) const { return m_dofs[index]; }
    double seconds() const { return m_seconds; }
    std::uint64_t records() const { return m_records; }

private:
    std::array<Dof, dofCount> m_dofs{};
    double m_seconds = 0.0;
    std::uint64_t m_records = 0;
    std::uint64_t m_lastStampUs = 0;
};
