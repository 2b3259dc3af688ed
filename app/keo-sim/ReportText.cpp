#include "ReportText.h"

#include "TextRows.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

struct Unit {
    double scale; // from radians or metres
    const char* name;
};

Unit positionUnit(bool angular) {
    return angular ? Unit{1.0 / degree, "deg"} : Unit{1.0, "m"};
}
Unit velocityUnit(bool angular) {
    return angular ? Unit{1.0 / degree, "deg/s"} : Unit{1.0, "m/s"};
}
Unit accelerationUnit(bool angular) {
    return angular ? Unit{1.0 / degree, "deg/s^2"} : Unit{1.0, "m/s^2"};
}

// "-0.153 m at 12.345 s", 31 characters; a signal that never moved has no time.
std::string peakText(const Peak& peak, Unit unit) {
    std::string text;
    if (peak.magnitude() == 0.0)
        append(text, "%9.3f %-7s %13s", 0.0, unit.name, "");
    else
        append(text, "%+9.3f %-7s at %8.3f s", peak.value * unit.scale, unit.name, peak.seconds);
    return text;
}

// 17 characters.
std::string limitText(const std::optional<double>& limit, Unit unit) {
    std::string text;
    if (limit)
        append(text, "%9.3f %-7s", *limit * unit.scale, unit.name);
    else
        append(text, "%9s %-7s", "none", "");
    return text;
}

void appendBeyond(std::string& text, double seconds) {
    if (seconds > 0.0)
        append(text, "  BEYOND ITS LIMIT for %.3f s", seconds);
    endLine(text);
}

void appendPositions(std::string& text, const EnvelopeReport& report) {
    append(text, "%-12s %-31s %-17s %-17s %8s %12s\n", "Position", "peak", "final limit",
           "envelope", "share", "at the limit");
    for (const DofUse& dof : report.dofs) {
        const Unit unit = positionUnit(dof.angular);
        append(text, "%-12s %s %s %s %6.1f %% %10.3f s", dof.name,
               peakText(dof.excursion, unit).c_str(), limitText(dof.limit, unit).c_str(),
               limitText(dof.envelope, unit).c_str(), dof.percentOfEnvelope(), dof.secondsAtLimit);
        if (dof.secondsBeyondEnvelope > 0.0)
            append(text, "  BEYOND THE ENVELOPE for %.3f s", dof.secondsBeyondEnvelope);
        else if (dof.secondsAtLimit > 0.0)
            append(text, "  AT THE LIMIT");
        endLine(text);
    }
}

// Velocity or acceleration, per degree of freedom beside the platform's limit.
void appendMotion(std::string& text, const EnvelopeReport& report, bool acceleration) {
    append(text, "%-12s %-31s %s\n", acceleration ? "Acceleration" : "Velocity", "peak", "limit");
    for (const DofUse& dof : report.dofs) {
        const Unit unit = acceleration ? accelerationUnit(dof.angular) : velocityUnit(dof.angular);
        const Peak& peak = acceleration ? dof.acceleration : dof.velocity;
        const auto& limit = acceleration ? dof.accelerationLimit : dof.velocityLimit;
        append(text, "%-12s %s %s", dof.name, peakText(peak, unit).c_str(),
               limitText(limit, unit).c_str());
        appendBeyond(text, acceleration ? dof.secondsBeyondAccelerationLimit
                                        : dof.secondsBeyondVelocityLimit);
    }
}

void appendTiltRotations(std::string& text, const EnvelopeReport& report) {
    text += "Rotation the rider should not feel: tilt coordination and the mixer's cross-feeds "
            "from travel\n";
    append(text, "%-12s %-31s %-31s %s\n", "Rate", "tilt alone", "with the cross-feeds",
           "tilt rate limit");
    const Unit unit = velocityUnit(true);
    for (const TiltRotation& axis : report.tiltRotations) {
        append(text, "%-12s %s %s %s", axis.name, peakText(axis.tiltRate, unit).c_str(),
               peakText(axis.rate, unit).c_str(), limitText(axis.rateLimit, unit).c_str());
        appendBeyond(text, axis.secondsBeyondLimit);
    }
}

} // namespace

std::string reportText(const EnvelopeReport& report) {
    std::string text;
    appendPositions(text, report);
    appendMotion(text, report, false);
    appendMotion(text, report, true);
    appendTiltRotations(text, report);
    append(text, "Drive length: %.3f s (%llu steps).\n", report.seconds,
           static_cast<unsigned long long>(report.steps));
    append(text,
           "Time outside: %.3f s (at a final limit, beyond the envelope or a limit above, counted "
           "once).\n",
           report.secondsOutside);
    append(text, "Verdict: %s the envelope.\n", report.withinEnvelope() ? "within" : "outside");
    return text;
}
