#include "ScoreSums.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cueing {
namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

void addEpisodes(Episodes& to, const Episodes& from) {
    to.count += from.count;
    to.seconds += from.seconds;
}

void addChannel(ChannelSums& to, const ChannelSums& from) {
    to.v += from.v;
    to.p += from.p;
    to.vv += from.vv;
    to.pp += from.pp;
    to.vp += from.vp;
    to.ee += from.ee;
    to.feltVv += from.feltVv;
    to.feltEe += from.feltEe;
    to.vehiclePeak = std::max(to.vehiclePeak, from.vehiclePeak);
    addEpisodes(to.falseCues, from.falseCues);
    addEpisodes(to.missingCues, from.missingCues);
    to.decimatedVv += from.decimatedVv;
    for (int i = 0; i < lagCount; ++i)
        to.cross[i] += from.cross[i];
}

void addDof(DofScores& to, const DofScores& from) {
    to.peakExcursion = std::max(to.peakExcursion, from.peakExcursion);
    to.peakVelocity = std::max(to.peakVelocity, from.peakVelocity);
    to.peakAcceleration = std::max(to.peakAcceleration, from.peakAcceleration);
    to.secondsAtLimit += from.secondsAtLimit;
    to.knocks += from.knocks;
    to.fastestKnock = std::max(to.fastestKnock, from.fastestKnock);
}

double pearson(const ChannelSums& s, double n) {
    const double covariance = n * s.vp - s.v * s.p;
    const double spread = (n * s.vv - s.v * s.v) * (n * s.pp - s.p * s.p);
    return spread > 0.0 ? covariance / std::sqrt(spread) : notANumber;
}

// The lag of the largest cross sum, refined by the parabola through it and its neighbours. A
// largest sum at the end of the lags searched is no maximum: the best fit lies beyond them, which
// the delay says by its infinite sign, and its gain is not known.
void bestFit(const ChannelSums& s, double lagStepSeconds, ChannelScores& out) {
    const auto& c = s.cross;
    const int best = int(std::max_element(c.begin(), c.end()) - c.begin());
    if (!(s.decimatedVv > 0.0))
        return;
    if (best == 0 || best + 1 == lagCount) {
        out.delaySeconds = best == 0 ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
        return;
    }
    double offset = 0.0, peak = c[best];
    const double curvature = c[best - 1] - 2.0 * c[best] + c[best + 1];
    if (curvature < 0.0) {
        offset = std::clamp(0.5 * (c[best - 1] - c[best + 1]) / curvature, -0.5, 0.5);
        peak = c[best] - 0.25 * (c[best - 1] - c[best + 1]) * offset;
    }
    out.gain = peak / s.decimatedVv;
    out.delaySeconds = (double(best - lagsEachSide) + offset) * lagStepSeconds;
}

ChannelScores channelScores(const ChannelSums& s, double n, double threshold,
                            double lagStepSeconds) {
    ChannelScores out;
    out.falseCues = s.falseCues;
    out.missingCues = s.missingCues;
    out.errorRatio = out.correlation = out.gain = out.delaySeconds = notANumber;
    if (!(n > 0.0))
        return out;
    out.vehicleRms = std::sqrt(s.vv / n);
    out.platformRms = std::sqrt(s.pp / n);
    out.errorRms = std::sqrt(s.ee / n);
    // Against the vehicle's cue means something only where the vehicle gave one; below the
    // threshold its signal is the words' rounding and the models' tails.
    if (s.vehiclePeak > threshold) {
        out.errorRatio = std::sqrt(s.feltEe / s.feltVv);
        out.correlation = pearson(s, n);
        bestFit(s, lagStepSeconds, out);
    }
    return out;
}

} // namespace

void ScoreBlock::add(const ScoreBlock& other) {
    for (int i = 0; i < channelCount; ++i)
        addChannel(channels[i], other.channels[i]);
    for (int i = 0; i < 2; ++i) {
        addEpisodes(tilts[i].felt, other.tilts[i].felt);
        tilts[i].peak = std::max(tilts[i].peak, other.tilts[i].peak);
    }
    for (int i = 0; i < dofCount; ++i)
        addDof(dofs[i], other.dofs[i]);
    seconds += other.seconds;
    records += other.records;
}

Scores scoresOf(const ScoreBlock& block, double lagStepSeconds) {
    Scores out;
    const double n = double(block.records);
    for (int i = 0; i < channelCount; ++i)
        out.channels[i] = channelScores(block.channels[i], n, thresholds[i], lagStepSeconds);
    for (int i = 0; i < 2; ++i)
        out.tilts[i] = {block.tilts[i].felt, block.tilts[i].peak};
    out.dofs = block.dofs;
    out.seconds = block.seconds;
    out.records = block.records;
    return out;
}

} // namespace cueing
