#include "AssessmentText.h"

#include "TextRows.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

struct Unit {
    double scale;
    const char* name;
};

Unit unitOf(int channel) {
    return cueing::isForce(channel) ? Unit{1.0, "m/s^2"} : Unit{1.0 / degree, "deg/s"};
}

// A score with no meaning (NaN) shows as "-", right-aligned in `width`.
std::string numberText(double value, int width, int decimals) {
    char text[32];
    if (std::isnan(value))
        std::snprintf(text, sizeof text, "%*s", width, "-");
    else
        std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

// A delay beyond the lags searched shows as the bound it lies beyond, "> 2.0".
std::string delayText(double seconds) {
    if (!std::isinf(seconds))
        return numberText(seconds, 7, 3);
    char text[32];
    std::snprintf(text, sizeof text, "%c %4.1f", seconds > 0.0 ? '>' : '<',
                  seconds > 0.0 ? cueing::maxDelaySeconds : -cueing::maxDelaySeconds);
    return text;
}

// "3 for 1.234 s", or "none".
std::string episodesText(const cueing::Episodes& e) {
    char text[48];
    if (e.count == 0)
        std::snprintf(text, sizeof text, "%-18s", "none");
    else
        std::snprintf(text, sizeof text, "%5llu for %7.3f s", (unsigned long long)e.count,
                      e.seconds);
    return text;
}

void appendChannels(std::string& text, const cueing::Scores& scores) {
    text += "What the rider perceives, platform against vehicle (vestibular models and thresholds: "
            "docs/cueing.md)\n";
    append(text, "%-8s %-19s %-19s %7s %11s %6s %9s  %-18s  %s\n", "Channel", "vehicle rms",
           "error rms", "vs rest", "correlation", "gain", "delay", "false cues", "missing cues");
    for (int c = 0; c < cueing::channelCount; ++c) {
        const cueing::ChannelScores& s = scores.channels[c];
        const Unit unit = unitOf(c);
        append(text, "%-8s %9.4f %-9s %9.4f %-9s %s %s %s %s s  %s  %s", cueing::channelNames[c],
               s.vehicleRms * unit.scale, unit.name, s.errorRms * unit.scale, unit.name,
               numberText(s.errorRatio, 7, 2).c_str(), numberText(s.correlation, 11, 3).c_str(),
               numberText(s.gain, 6, 2).c_str(), delayText(s.delaySeconds).c_str(),
               episodesText(s.falseCues).c_str(), episodesText(s.missingCues).c_str());
        endLine(text);
    }
}

void appendTilts(std::string& text, const cueing::Scores& scores) {
    text += "Rotation felt as rotation: tilt coordination and the mixer's cross-feeds from travel, "
            "perceived\n";
    append(text, "%-8s %-19s %-19s %s\n", "Axis", "peak perceived", "threshold", "felt");
    for (int axis = 0; axis < 2; ++axis) {
        const cueing::TiltScores& t = scores.tilts[axis];
        append(text, "%-8s %9.3f %-9s %9.3f %-9s %s", axis == 0 ? "roll" : "pitch",
               t.peakPerceivedRate / degree, "deg/s",
               cueing::thresholds[cueing::Roll + axis] / degree, "deg/s",
               episodesText(t.feltAsRotation).c_str());
        endLine(text);
    }
}

void appendKnocks(std::string& text, const cueing::Scores& scores) {
    text +=
        "Knocks at the final limits: arrivals where the limitation has taken 90 % of its gain\n";
    append(text, "%-8s %6s  %-19s %s\n", "DoF", "knocks", "fastest arrival", "at the limit");
    for (int i = 0; i < cueing::dofCount; ++i) {
        const cueing::DofScores& d = scores.dofs[i];
        const bool angular = i < 3;
        append(text, "%-8s %6llu  %9.3f %-9s %9.3f s", cueing::dofNames[i],
               (unsigned long long)d.knocks, d.fastestKnock * (angular ? 1.0 / degree : 1.0),
               angular ? "deg/s" : "m/s", d.secondsAtLimit);
        endLine(text);
    }
}

void appendFidelity(std::string& text, const cueing::FrequencyResponse& response) {
    text += "Frequency response at 1 rad/s, each direct response's point on the Sinacori-Schroeder "
            "diagram\n";
    append(text, "%-8s %7s %s\n", "Response", "gain", "phase distortion");
    for (int r = cueing::SurgeResponse; r <= cueing::YawResponse; ++r) {
        const cueing::FidelityPoint point = cueing::fidelityPoint(response, r);
        append(text, "%-8s %7.3f %9.1f deg\n", cueing::responses[r].name, point.gain,
               point.phaseDistortionDegrees);
    }
}

} // namespace

std::string assessmentText(const cueing::Scores& scores,
                           const cueing::FrequencyResponse& response) {
    std::string text;
    appendChannels(text, scores);
    appendTilts(text, scores);
    appendKnocks(text, scores);
    appendFidelity(text, response);
    return text;
}
