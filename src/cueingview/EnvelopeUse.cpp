#include "EnvelopeUse.h"

#include "engine/Words.h"

#include <cmath>

namespace {

namespace w = engine::words;
constexpr int platformWords[EnvelopeUse::dofCount] = {w::platform.surge, w::platform.sway,
                                                      w::platform.heave, w::platform.roll,
                                                      w::platform.pitch, w::platform.yaw};

} // namespace

void EnvelopeUse::setEnvelope(const WorkEnvelopeLimits& e) {
    const float envelopes[dofCount] = {e.surge, e.sway, e.heave, e.roll, e.pitch, e.yaw};
    for (int i = 0; i < dofCount; ++i)
        m_dofs[i].envelope = envelopes[i];
}

void EnvelopeUse::add(const KEOOutputRecord& record) noexcept {
    const std::uint64_t stamp = record.timestampUs();
    double step = 0.0;
    if (m_records > 0 && stamp > m_lastStampUs) {
        step = double(stamp - m_lastStampUs) * 1e-6;
        if (step > longestGap)
            step = 0.0;
    }
    m_lastStampUs = stamp;
    ++m_records;
    m_seconds += step;
    for (int i = 0; i < dofCount; ++i) {
        Dof& d = m_dofs[i];
        const double value = record.signal(platformWords[i]);
        if (!std::isfinite(value))
            continue; // keeps the last value
        d.value = value;
        d.peak = std::max(d.peak, std::abs(value));
        if (d.envelope > 0.0 && std::abs(value) >= edgeShare * d.envelope)
            d.secondsAtEdge += step;
    }
}

void EnvelopeUse::reset() noexcept {
    for (Dof& d : m_dofs)
        d = Dof{d.envelope};
    m_seconds = 0.0;
    m_records = 0;
    m_lastStampUs = 0;
}
