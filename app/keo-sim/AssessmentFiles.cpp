#include "AssessmentFiles.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

// JSON has no NaN nor infinity: a number without meaning is null.
Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json optionalNumber(const std::optional<double>& value) {
    return value ? number(*value) : Json(nullptr);
}

// A best fit beyond the lags searched: "later" or "earlier" than cueing::maxDelaySeconds.
Json delayBeyond(double seconds) {
    if (!std::isinf(seconds))
        return nullptr;
    return seconds > 0.0 ? "later" : "earlier";
}

Json peakJson(const Peak& peak) {
    return {{"value", number(peak.value)}, {"seconds", number(peak.seconds)}};
}

Json episodesJson(const cueing::Episodes& e) {
    return {{"count", e.count}, {"seconds", number(e.seconds)}};
}

Json runJson(const RunFacts& run) {
    const SimOptions& o = run.options;
    const WorkEnvelopeLimits& e = run.envelope;
    return {{"script", o.scriptPath},
            {"cluster", o.cluster + 1},
            {"paramSet", o.paramSet + 1},
            {"drive", o.drive},
            {"stepRate", o.stepRate},
            {"envelope",
             {{"roll", e.roll},
              {"pitch", e.pitch},
              {"yaw", e.yaw},
              {"heave", e.heave},
              {"sway", e.sway},
              {"surge", e.surge}}}};
}

Json envelopeJson(const EnvelopeReport& report) {
    Json dofs = Json::array();
    for (const DofUse& d : report.dofs)
        dofs.push_back({{"name", d.name},
                        {"angular", d.angular},
                        {"envelope", number(d.envelope)},
                        {"finalLimit", number(d.limit)},
                        {"excursion", peakJson(d.excursion)},
                        {"velocity", peakJson(d.velocity)},
                        {"acceleration", peakJson(d.acceleration)},
                        {"velocityLimit", optionalNumber(d.velocityLimit)},
                        {"accelerationLimit", optionalNumber(d.accelerationLimit)},
                        {"secondsAtLimit", d.secondsAtLimit},
                        {"secondsBeyondEnvelope", d.secondsBeyondEnvelope},
                        {"secondsBeyondVelocityLimit", d.secondsBeyondVelocityLimit},
                        {"secondsBeyondAccelerationLimit", d.secondsBeyondAccelerationLimit}});
    Json tilts = Json::array();
    for (const TiltRotation& t : report.tiltRotations)
        tilts.push_back({{"name", t.name},
                         {"rateLimit", optionalNumber(t.rateLimit)},
                         {"tiltRate", peakJson(t.tiltRate)},
                         {"rate", peakJson(t.rate)},
                         {"secondsBeyondLimit", t.secondsBeyondLimit}});
    return {{"dofs", dofs},
            {"tiltRotations", tilts},
            {"steps", report.steps},
            {"seconds", report.seconds},
            {"secondsOutside", report.secondsOutside},
            {"withinEnvelope", report.withinEnvelope()}};
}

Json cueingJson(const cueing::Scores& scores) {
    Json channels = Json::array();
    for (int c = 0; c < cueing::channelCount; ++c) {
        const cueing::ChannelScores& s = scores.channels[c];
        channels.push_back({{"name", cueing::channelNames[c]},
                            {"unit", cueing::isForce(c) ? "m/s^2" : "rad/s"},
                            {"threshold", cueing::thresholds[c]},
                            {"vehicleRms", number(s.vehicleRms)},
                            {"platformRms", number(s.platformRms)},
                            {"errorRms", number(s.errorRms)},
                            {"errorRatio", number(s.errorRatio)},
                            {"correlation", number(s.correlation)},
                            {"gain", number(s.gain)},
                            {"delaySeconds", number(s.delaySeconds)},
                            {"delayBeyondSearch", delayBeyond(s.delaySeconds)},
                            {"falseCues", episodesJson(s.falseCues)},
                            {"missingCues", episodesJson(s.missingCues)}});
    }
    Json tilts = Json::array();
    for (int axis = 0; axis < 2; ++axis)
        tilts.push_back({{"name", axis == 0 ? "roll" : "pitch"},
                         {"threshold", cueing::thresholds[cueing::Roll + axis]},
                         {"peakPerceivedRate", number(scores.tilts[axis].peakPerceivedRate)},
                         {"feltAsRotation", episodesJson(scores.tilts[axis].feltAsRotation)}});
    Json dofs = Json::array();
    for (int i = 0; i < cueing::dofCount; ++i) {
        const cueing::DofScores& d = scores.dofs[i];
        dofs.push_back({{"name", cueing::dofNames[i]},
                        {"peakExcursion", number(d.peakExcursion)},
                        {"peakVelocity", number(d.peakVelocity)},
                        {"peakAcceleration", number(d.peakAcceleration)},
                        {"secondsAtLimit", number(d.secondsAtLimit)},
                        {"knocks", d.knocks},
                        {"fastestKnock", number(d.fastestKnock)}});
    }
    return {{"seconds", scores.seconds},
            {"channels", channels},
            {"tiltsFeltAsRotation", tilts},
            {"dofs", dofs}};
}

Json responseJson(const cueing::FrequencyResponse& table) {
    Json frequencies = Json::array();
    for (int k = 0; k < cueing::testFrequencyCount; ++k)
        frequencies.push_back(cueing::testFrequency(k));
    Json responses = Json::array();
    for (int r = 0; r < cueing::responseCount; ++r) {
        const cueing::ResponseKind& kind = cueing::responses[r];
        Json gains = Json::array(), phases = Json::array();
        for (int k = 0; k < cueing::testFrequencyCount; ++k) {
            gains.push_back(number(table.gain(r, k)));
            phases.push_back(number(table.phaseDegrees(r, k)));
        }
        Json response = {{"name", kind.name},
                         {"input", cueing::channelNames[kind.input]},
                         {"output", cueing::channelNames[kind.output]},
                         {"unit", kind.unit},
                         {"gain", gains},
                         {"phaseDegrees", phases}};
        if (kind.input == kind.output) {
            const cueing::FidelityPoint point = cueing::fidelityPoint(table, r);
            response["atOneRadianPerSecond"] = {
                {"gain", number(point.gain)},
                {"phaseDistortionDegrees", number(point.phaseDistortionDegrees)}};
        }
        responses.push_back(response);
    }
    return {{"frequencies", frequencies}, {"responses", responses}};
}

} // namespace

std::string reportJson(const RunFacts& run, const EnvelopeReport& report,
                       const cueing::Scores& scores, const cueing::FrequencyResponse& response) {
    const Json document = {{"run", runJson(run)},
                           {"envelope", envelopeJson(report)},
                           {"cueing", cueingJson(scores)},
                           {"frequencyResponse", responseJson(response)}};
    return document.dump(2) + '\n';
}

std::string frequencyResponseCsv(const cueing::FrequencyResponse& table) {
    std::string text = "response,input,output,unit,frequency_rad_s,gain,phase_deg\n";
    for (int r = 0; r < cueing::responseCount; ++r) {
        const cueing::ResponseKind& kind = cueing::responses[r];
        for (int k = 0; k < cueing::testFrequencyCount; ++k) {
            char row[160];
            std::snprintf(row, sizeof row, "%s,%s,%s,%s,%.6g,%.9g,%.6f\n", kind.name,
                          cueing::channelNames[kind.input], cueing::channelNames[kind.output],
                          kind.unit, cueing::testFrequency(k), table.gain(r, k),
                          table.phaseDegrees(r, k));
            text += row;
        }
    }
    return text;
}
