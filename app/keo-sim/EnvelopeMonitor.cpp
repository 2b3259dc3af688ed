#include "EnvelopeMonitor.h"

#include "PlatformWords.h"
#include "engine/Words.h"

#include <algorithm>
#include <cmath>

namespace {

// Record words are single precision: each carries a rounding error of at most 2^-24 of its
// magnitude. Every measurement below allows exactly that much on top of its limit, computed from
// the magnitudes of the words it differences, so that rounding alone never reads as a fault.
constexpr double wordRounding = 0x1p-24;

// The tilt rate limit keeps the 1 % it has always allowed on top: the output filter behind the
// tilt's rate limiter may overshoot a little when its cutoff nears a quarter of the step rate.
constexpr double tiltRateTolerance = 1.01;

// Accelerations are second differences (x[k+n] - 2 x[k] + x[k-n]) / h² across a span h = n steps
// of about 5 ms. Their rounding is 2^-22 |x| / h²: for a platform 0.5 rad or 0.5 m out, 0.005
// rad/s² (0.27 deg/s²) or 0.005 m/s² at any step rate, where a single step at 1000 steps/s would
// carry 0.12 rad/s² (7 deg/s²) of rounding noise, and 48 rad/s² at 20000 steps/s: a platform in
// smooth motion would show spurious peaks. The span reads a sine of frequency f low by
// sinc²(π f h), within 1 % up to 10 Hz; a jump of velocity (a hard limit reached at speed) has no
// finite acceleration and reads as the jump over h. Velocities are single-step differences, whose
// rounding is 2^-23 |x| / dt: 6e-5 rad/s or m/s at 1000 steps/s for 0.5 out, 0.0012 at 20000.
constexpr double accelerationSpanSeconds = 0.005;

// Ring indices: the slot `back` steps before `slot` in a ring of `size`.
std::size_t slotBefore(std::size_t slot, std::size_t back, std::size_t size) {
    return slot >= back ? slot - back : slot + size - back;
}

// A tilting axis' rotation at one step: its tilt channels' outputs, then with the mixer's
// cross-feeds from travel, and the sum of the words' magnitudes for their rounding.
struct TiltSample {
    double tilt, rotation, magnitude;
};

TiltSample rollSample(const float (&words)[6]) {
    const double tilt = words[0], swayToRoll = words[1];
    return {tilt, tilt + swayToRoll, std::fabs(tilt) + std::fabs(swayToRoll)};
}

TiltSample pitchSample(const float (&words)[6]) {
    const double longitudinal = words[2], vertical = words[3];
    const double surge = words[4], heave = words[5];
    return {longitudinal + vertical, longitudinal + vertical + surge + heave,
            std::fabs(longitudinal) + std::fabs(vertical) + std::fabs(surge) + std::fabs(heave)};
}

// The words of both tilting axes' rotation, in the order the samples above read them.
constexpr int tiltWords[6] = {
    engine::words::lateralTilt.output,      engine::words::swayToRoll.output,
    engine::words::longitudinalTilt.output, engine::words::verticalTilt.output,
    engine::words::surgeToPitch.output,     engine::words::heaveToPitch.output};

double orInfinity(const std::optional<double>& limit) {
    return limit.value_or(INFINITY);
}

} // namespace

EnvelopeMonitor::EnvelopeMonitor(const EnvelopeReport& blank, double stepRate)
    : m_report(blank)
    , m_stepSeconds(1.0 / stepRate)
    , m_stepRate(stepRate)
    , m_span(std::max(1, int(std::lround(accelerationSpanSeconds * stepRate))))
    , m_perSpanSquared(stepRate * stepRate / (double(m_span) * m_span))
    , m_block(blockSteps)
    , m_positions(std::size_t(2 * m_span + 1))
    , m_outside(std::size_t(m_span + 1)) {
    for (int i = 0; i < 6; ++i) {
        const DofUse& dof = m_report.dofs[i];
        // The envelope arrives in single precision, and so does the position.
        DofWatch& watch = m_dofs[i];
        watch.beyondEnvelopeAbove = double(float(dof.envelope)) * (1.0 + 1e-6);
        watch.atLimitFrom = dof.limit > 0.0 ? dof.atLimitShare * dof.limit : INFINITY;
        watch.firstFlagged = std::min(watch.beyondEnvelopeAbove, watch.atLimitFrom);
        watch.velocityLimit = orInfinity(dof.velocityLimit);
        watch.accelerationLimit = orInfinity(dof.accelerationLimit);
    }
    for (int axis = 0; axis < 2; ++axis) {
        const std::optional<double>& limit = m_report.tiltRotations[axis].rateLimit;
        m_tilts[axis] = TiltWatch{limit ? *limit * tiltRateTolerance : INFINITY};
    }
}

void EnvelopeMonitor::add(const KEOOutputRecord& record) {
    Sample& sample = m_block[m_blockFill];
    for (int i = 0; i < 6; ++i)
        sample.platform[i] = record.signal(platformWords[i]);
    for (int i = 0; i < 6; ++i)
        sample.tilts[i] = record.signal(tiltWords[i]);
    if (++m_blockFill == m_block.size())
        watchBlock();
}

void EnvelopeMonitor::watchBlock() {
    for (std::size_t i = 0; i < m_blockFill; ++i)
        watch(m_block[i]);
    m_blockFill = 0;
}

void EnvelopeMonitor::watch(const Sample& sample) {
    const std::uint64_t step = m_report.steps;
    bool outside = watchMotion(sample.platform, step);
    outside |= watchTilts(sample.tilts, step > 0, (double(step) - 0.5) * m_stepSeconds);
    m_outside[m_outsideSlot] = outside;
    // The step a span back now has its acceleration, and nothing more can put it outside.
    const std::size_t centreSlot = slotBefore(m_outsideSlot, m_span, m_outside.size());
    if (step >= std::uint64_t(2 * m_span))
        m_outside[centreSlot] |= watchAccelerations(step - m_span);
    if (step >= std::uint64_t(m_span))
        m_stepsOutside += m_outside[centreSlot] ? 1 : 0;
    m_positionSlot = m_positionSlot + 1 == m_positions.size() ? 0 : m_positionSlot + 1;
    m_outsideSlot = m_outsideSlot + 1 == m_outside.size() ? 0 : m_outsideSlot + 1;
    ++m_report.steps;
    m_report.seconds = double(m_report.steps - 1) * m_stepSeconds;
}

// Positions and velocities: each against its limits, with the velocity's rounding allowed.
bool EnvelopeMonitor::watchMotion(const float (&platform)[6], std::uint64_t step) {
    const double seconds = double(step) * m_stepSeconds;
    const double betweenSteps = seconds - 0.5 * m_stepSeconds;
    Position& position = m_positions[m_positionSlot];
    const Position& previous = m_positions[slotBefore(m_positionSlot, 1, m_positions.size())];
    bool outside = false;
    for (int i = 0; i < 6; ++i) {
        DofUse& dof = m_report.dofs[i];
        DofWatch& watch = m_dofs[i];
        const double x = platform[i];
        position[i] = x;
        dof.excursion.offer(x, seconds);
        // Each limit is looked at closely only when the signal comes near it, which is rare.
        if (std::fabs(x) >= watch.firstFlagged) {
            const bool beyondEnvelope = std::fabs(x) > watch.beyondEnvelopeAbove;
            const bool atLimit = std::fabs(x) >= watch.atLimitFrom;
            watch.stepsBeyondEnvelope += beyondEnvelope;
            watch.stepsAtLimit += atLimit;
            outside |= beyondEnvelope || atLimit;
        }
        if (step == 0)
            continue;
        const double velocity = (x - previous[i]) * m_stepRate;
        dof.velocity.offer(velocity, betweenSteps);
        if (std::fabs(velocity) > watch.velocityLimit) {
            const double rounding =
                wordRounding * (std::fabs(x) + std::fabs(previous[i])) * m_stepRate;
            const bool tooFast = std::fabs(velocity) > watch.velocityLimit + rounding;
            watch.stepsTooFast += tooFast;
            outside |= tooFast;
        }
    }
    return outside;
}

// The accelerations at the step a span before the newest, with their rounding allowed.
bool EnvelopeMonitor::watchAccelerations(std::uint64_t centre) {
    const std::size_t size = m_positions.size();
    const Position& after = m_positions[m_positionSlot];
    const Position& x = m_positions[slotBefore(m_positionSlot, m_span, size)];
    const Position& before = m_positions[slotBefore(m_positionSlot, 2 * m_span, size)];
    const double seconds = double(centre) * m_stepSeconds;
    bool outside = false;
    for (int i = 0; i < 6; ++i) {
        const double acceleration = (after[i] - 2.0 * x[i] + before[i]) * m_perSpanSquared;
        m_report.dofs[i].acceleration.offer(acceleration, seconds);
        if (std::fabs(acceleration) > m_dofs[i].accelerationLimit) {
            const double rounding =
                wordRounding *
                (std::fabs(before[i]) + 2.0 * std::fabs(x[i]) + std::fabs(after[i])) *
                m_perSpanSquared;
            const bool tooHard = std::fabs(acceleration) > m_dofs[i].accelerationLimit + rounding;
            m_dofs[i].stepsTooHard += tooHard;
            outside |= tooHard;
        }
    }
    return outside;
}

bool EnvelopeMonitor::watchTilts(const float (&words)[6], bool afterAStep, double seconds) {
    const TiltSample samples[2] = {rollSample(words), pitchSample(words)};
    bool outside = false;
    for (int axis = 0; axis < 2; ++axis) {
        TiltWatch& watch = m_tilts[axis];
        const TiltSample& now = samples[axis];
        if (afterAStep) {
            TiltRotation& rotation = m_report.tiltRotations[axis];
            rotation.tiltRate.offer((now.tilt - watch.tilt) * m_stepRate, seconds);
            const double rate = (now.rotation - watch.rotation) * m_stepRate;
            rotation.rate.offer(rate, seconds);
            if (std::fabs(rate) > watch.rateLimit) {
                const double rounding =
                    wordRounding * (now.magnitude + watch.magnitude) * m_stepRate;
                const bool tooFast = std::fabs(rate) > watch.rateLimit + rounding;
                watch.stepsTooFast += tooFast;
                outside |= tooFast;
            }
        }
        watch.tilt = now.tilt;
        watch.rotation = now.rotation;
        watch.magnitude = now.magnitude;
    }
    return outside;
}

EnvelopeReport EnvelopeMonitor::report() {
    watchBlock();
    // The last span of steps has no acceleration yet; whether they are outside is known already.
    std::uint64_t stepsOutside = m_stepsOutside;
    const std::size_t pending = std::size_t(std::min<std::uint64_t>(m_report.steps, m_span));
    for (std::size_t back = 1; back <= pending; ++back)
        stepsOutside += m_outside[slotBefore(m_outsideSlot, back, m_outside.size())] ? 1 : 0;
    // Each step stands for the time up to the next; the drive's last step has none after it.
    const double longest = std::max(m_report.seconds, m_stepSeconds);
    const auto seconds = [&](std::uint64_t steps) {
        return std::min(double(steps) * m_stepSeconds, longest);
    };
    EnvelopeReport report = m_report;
    report.secondsOutside = seconds(stepsOutside);
    for (int i = 0; i < 6; ++i) {
        DofUse& dof = report.dofs[i];
        dof.secondsBeyondEnvelope = seconds(m_dofs[i].stepsBeyondEnvelope);
        dof.secondsAtLimit = seconds(m_dofs[i].stepsAtLimit);
        dof.secondsBeyondVelocityLimit = seconds(m_dofs[i].stepsTooFast);
        dof.secondsBeyondAccelerationLimit = seconds(m_dofs[i].stepsTooHard);
    }
    for (int axis = 0; axis < 2; ++axis)
        report.tiltRotations[axis].secondsBeyondLimit = seconds(m_tilts[axis].stepsTooFast);
    return report;
}
