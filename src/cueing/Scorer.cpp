#include "Scorer.h"

#include "engine/Words.h"

#include <algorithm>
#include <cmath>

namespace cueing {
namespace {

namespace w = engine::words;

constexpr double differenceSpanSeconds = 0.005; // see docs/cueing.md: rounding against bandwidth
constexpr double lagStepSeconds = maxDelaySeconds / lagsEachSide;
// A hard limit holds the platform on its single-precision maximum, computed in double.
constexpr double onTheLimit = 1.0 - 1e-6;
// Time stamps further apart than this are a pause, not a step.
constexpr std::uint64_t longestStepUs = 1000000;

constexpr int vehicleWords[6] = {w::longitudinalAcceleration,
                                 w::lateralAcceleration,
                                 w::verticalAcceleration,
                                 w::rollRate,
                                 w::pitchRate,
                                 w::yawRate};

double validRate(double rate) {
    return std::isfinite(rate) && rate > 0.0 ? rate : 1000.0;
}

// A word that is not finite keeps the value it had a record before.
double wordOr(const KEOOutputRecord& r, int word, double previous) {
    const double value = r.signal(word);
    return std::isfinite(value) ? value : previous;
}

void offerPeak(double& peak, double value) {
    peak = std::max(peak, std::fabs(value));
}

// Counts the episode where a condition begins and its time while it holds.
void track(bool now, bool& was, Episodes& episodes, double dt) {
    if (now) {
        episodes.count += was ? 0 : 1;
        episodes.seconds += dt;
    }
    was = now;
}

} // namespace

double pressedShare(KEOLimitationType::Enum curve) {
    switch (curve) {
    case KEOLimitationType::Logistic:
        return std::sqrt(0.9); // m tanh(x a / m) at tanh = √0.9
    case KEOLimitationType::Atan:
        return 2.0 / 3.14159265358979323846 * std::atan(3.0); // (2 m / π) atan(x a) at x a = 3
    default:
        return onTheLimit;
    }
}

ScorerSettings ScorerSettings::of(const Config& config, const engine::Tuning& tuning,
                                  double recordRate, const double (&head)[3]) {
    ScorerSettings s;
    s.recordRate = validRate(recordRate);
    s.inputsCarryGravity = !config.algorithm.removeVerticalComponent;
    s.pointOfSense = pointOfSenseFor(config.algorithm, head);
    const engine::LimitCurve* finals[dofCount] = {&tuning.roll,  &tuning.pitch, &tuning.yaw,
                                                  &tuning.heave, &tuning.sway,  &tuning.surge};
    const MultiplexerConfig& m = config.multiplexer;
    const Limitation* curves[dofCount] = {&m.roll, &m.pitch, &m.yaw, &m.heave, &m.sway, &m.surge};
    for (int i = 0; i < dofCount; ++i)
        s.finalLimits[i] = {finals[i]->maximum, pressedShare(curves[i]->type)};
    return s;
}

CueingScorer::CueingScorer(const ScorerSettings& settings)
    : m_settings(settings) {
    m_settings.recordRate = validRate(settings.recordRate);
    const double rate = m_settings.recordRate;
    m_span = std::clamp(int(std::lround(differenceSpanSeconds * rate)), 1, maxSpan);
    m_ringLength = 2 * m_span + 1;
    m_decimation = std::max(1, int(std::lround(lagStepSeconds * rate)));
    const double window = std::isfinite(settings.windowSeconds) && settings.windowSeconds > 0.0
                              ? settings.windowSeconds
                              : 10.0;
    m_blockSeconds = window / windowBlocks;
    reset();
}

void CueingScorer::reset() noexcept {
    const double rate = m_settings.recordRate;
    for (int c = 0; c < channelCount; ++c)
        m_vehicleSense[c] = m_platformSense[c] = SensationFilter::of(c, rate);
    m_tiltSense = {SensationFilter::of(Roll, rate), SensationFilter::of(Pitch, rate)};
    m_newest = -1;
    m_received = 0;
    m_lastStamp = 0;
    m_latest = {};
    m_inFalseCue = m_inMissingCue = {};
    m_tiltFelt = {};
    m_atLimit = {};
    m_sinceDecimated = 0;
    m_decimated = 0;
    m_current = m_total = {};
    m_blocks.fill({});
    m_nextBlock = m_blocksFilled = 0;
}

double CueingScorer::timeOf(const KEOOutputRecord& record) {
    const std::uint64_t stamp = record.timestampUs();
    double seconds = 0.0;
    if (m_received > 0) {
        const double previous = back(0).seconds;
        const bool stepped = stamp > m_lastStamp && stamp - m_lastStamp <= longestStepUs;
        seconds =
            previous + (stepped ? double(stamp - m_lastStamp) * 1e-6 : 1.0 / m_settings.recordRate);
    }
    m_lastStamp = stamp;
    return seconds;
}

CueingScorer::Sample CueingScorer::sampleOf(const KEOOutputRecord& r, double seconds) const {
    const Sample none;
    const Sample& last = m_received > 0 ? back(0) : none;
    Sample s;
    s.seconds = seconds;
    s.pose.roll = wordOr(r, w::platform.roll, last.pose.roll);
    s.pose.pitch = wordOr(r, w::platform.pitch, last.pose.pitch);
    s.pose.yaw = wordOr(r, w::platform.yaw, last.pose.yaw);
    s.pose.sway = wordOr(r, w::platform.sway, last.pose.sway);
    s.pose.heave = wordOr(r, w::platform.heave, last.pose.heave);
    s.pose.surge = wordOr(r, w::platform.surge, last.pose.surge);
    for (int i = 0; i < 6; ++i)
        s.vehicle[i] = wordOr(r, vehicleWords[i], last.vehicle[i]);
    const double rollTilt =
        double(r.signal(w::lateralTilt.output)) + r.signal(w::swayToRoll.output);
    const double pitchTilt = double(r.signal(w::longitudinalTilt.output)) +
                             r.signal(w::verticalTilt.output) + r.signal(w::surgeToPitch.output) +
                             r.signal(w::heaveToPitch.output);
    s.tilt[0] = std::isfinite(rollTilt) ? rollTilt : last.tilt[0];
    s.tilt[1] = std::isfinite(pitchTilt) ? pitchTilt : last.tilt[1];
    return s;
}

const CueingScorer::Sample& CueingScorer::back(int records) const {
    int index = m_newest - records;
    if (index < 0)
        index += m_ringLength;
    return m_ring[index];
}

void CueingScorer::add(const KEOOutputRecord& record) noexcept {
    const double seconds = timeOf(record);
    const Sample sample = sampleOf(record, seconds);
    m_newest = m_newest + 1 == m_ringLength ? 0 : m_newest + 1;
    m_ring[m_newest] = sample;
    ++m_received;
    if (m_received > std::uint64_t(2 * m_span))
        score(judge());
}

// The record `span` back, between the newest and the one `2 span` back.
CueingScorer::Judged CueingScorer::judge() const {
    const Sample& after = back(0);
    const Sample& now = back(m_span);
    const Sample& before = back(2 * m_span);
    const double backSeconds = now.seconds - before.seconds;
    const double aheadSeconds = after.seconds - now.seconds;
    Judged j;
    j.motion = motionOf({before.pose, now.pose, after.pose, backSeconds, aheadSeconds});
    j.platform = platformCue(j.motion, m_settings.pointOfSense);
    const double span = backSeconds + aheadSeconds;
    const engine::Vec3 vehicleAlpha = engine::rightHanded(after.vehicle[3] - before.vehicle[3],
                                                          after.vehicle[4] - before.vehicle[4],
                                                          after.vehicle[5] - before.vehicle[5]);
    j.vehicle = vehicleCue(now.vehicle, m_settings.inputsCarryGravity,
                           {vehicleAlpha.x / span, vehicleAlpha.y / span, vehicleAlpha.z / span},
                           m_settings.pointOfSense);
    for (int axis = 0; axis < 2; ++axis)
        j.tiltRate[axis] = (after.tilt[axis] - before.tilt[axis]) / span;
    j.seconds = now.seconds;
    j.dt = now.seconds - back(m_span + 1).seconds;
    return j;
}

void CueingScorer::score(const Judged& j) {
    scoreChannels(j.vehicle, j.platform, j.dt);
    scoreTilts(j.tiltRate, j.dt);
    scoreDofs(j.motion, j.dt);
    m_current.seconds += j.dt;
    ++m_current.records;
    m_latest.seconds = j.seconds;
    m_latest.pose = j.motion.at;
    closeBlockWhenFull();
}

void CueingScorer::scoreChannels(const Cue& vehicle, const Cue& platform, double dt) {
    m_latest.vehicle = vehicle;
    m_latest.platform = platform;
    for (int c = 0; c < channelCount; ++c) {
        const double v = m_vehicleSense[c].step(vehicle[c]);
        const double p = m_platformSense[c].step(platform[c]);
        m_latest.vehiclePerceived[c] = v;
        m_latest.platformPerceived[c] = p;
        ChannelSums& sums = m_current.channels[c];
        const double threshold = thresholds[c];
        sums.add(v, p, threshold);
        const bool vehicleFelt = std::fabs(v) > threshold;
        const bool platformFelt = std::fabs(p) > threshold;
        const bool falseCue = platformFelt && (!vehicleFelt || v * p < 0.0);
        const bool missingCue = vehicleFelt && !platformFelt;
        track(falseCue, m_inFalseCue[c], sums.falseCues, dt);
        track(missingCue, m_inMissingCue[c], sums.missingCues, dt);
    }
    if (++m_sinceDecimated == m_decimation) {
        m_sinceDecimated = 0;
        scoreLags(m_latest.vehiclePerceived, m_latest.platformPerceived);
    }
}

// Cross sums p(t) v(t - lag) on the decimated signals, for lags within ±lagsEachSide steps.
void CueingScorer::scoreLags(const Cue& vehicle, const Cue& platform) {
    const int slot = int(m_decimated % (lagsEachSide + 1));
    const int known = int(std::min<std::uint64_t>(m_decimated, lagsEachSide));
    for (int c = 0; c < channelCount; ++c) {
        auto& pastV = m_pastVehicle[c];
        auto& pastP = m_pastPlatform[c];
        pastV[slot] = vehicle[c];
        pastP[slot] = platform[c];
        ChannelSums& sums = m_current.channels[c];
        sums.decimatedVv += vehicle[c] * vehicle[c];
        sums.cross[lagsEachSide] += platform[c] * vehicle[c];
        for (int lag = 1; lag <= known; ++lag) {
            int earlier = slot - lag;
            if (earlier < 0)
                earlier += lagsEachSide + 1;
            sums.cross[lagsEachSide + lag] += platform[c] * pastV[earlier];
            sums.cross[lagsEachSide - lag] += pastP[earlier] * vehicle[c];
        }
    }
    ++m_decimated;
}

void CueingScorer::scoreTilts(const double (&rate)[2], double dt) {
    for (int axis = 0; axis < 2; ++axis) {
        const double perceived = m_tiltSense[axis].step(rate[axis]);
        TiltSums& sums = m_current.tilts[axis];
        offerPeak(sums.peak, perceived);
        const bool felt = std::fabs(perceived) > thresholds[Roll + axis];
        track(felt, m_tiltFelt[axis], sums.felt, dt);
    }
}

void CueingScorer::scoreDofs(const PoseMotion& m, double dt) {
    constexpr double Pose::*members[dofCount] = {&Pose::roll,  &Pose::pitch, &Pose::yaw,
                                                 &Pose::heave, &Pose::sway,  &Pose::surge};
    for (int i = 0; i < dofCount; ++i) {
        const double x = m.at.*members[i], velocity = m.rate.*members[i];
        DofScores& dof = m_current.dofs[i];
        offerPeak(dof.peakExcursion, x);
        offerPeak(dof.peakVelocity, velocity);
        offerPeak(dof.peakAcceleration, m.acceleration.*members[i]);
        const FinalLimit& limit = m_settings.finalLimits[i];
        const bool pressed =
            limit.maximum > 0.0 && std::fabs(x) >= limit.pressedShare * limit.maximum;
        if (pressed && !m_atLimit[i]) {
            ++dof.knocks;
            offerPeak(dof.fastestKnock, velocity);
        }
        dof.secondsAtLimit += pressed ? dt : 0.0;
        m_atLimit[i] = pressed;
    }
}

void CueingScorer::closeBlockWhenFull() {
    if (m_current.seconds < m_blockSeconds)
        return;
    m_total.add(m_current);
    m_blocks[m_nextBlock] = m_current;
    m_nextBlock = (m_nextBlock + 1) % windowBlocks;
    m_blocksFilled = std::min(m_blocksFilled + 1, windowBlocks);
    m_current = {};
}

Scores CueingScorer::wholeDrive() const {
    ScoreBlock all = m_total;
    all.add(m_current);
    return scoresOf(all, m_decimation / m_settings.recordRate);
}

Scores CueingScorer::window() const {
    ScoreBlock recent = m_current;
    for (int i = 0; i < m_blocksFilled; ++i)
        recent.add(m_blocks[i]);
    return scoresOf(recent, m_decimation / m_settings.recordRate);
}

} // namespace cueing
