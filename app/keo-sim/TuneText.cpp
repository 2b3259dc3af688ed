#include "TuneText.h"

#include "TextRows.h"

#include <cmath>

namespace {

using configDescription::shownUnitText;
using configDescription::toShown;

std::string ratioText(double value) {
    char text[32];
    if (std::isnan(value))
        std::snprintf(text, sizeof text, "%10s", "-");
    else
        std::snprintf(text, sizeof text, "%10.3f", value);
    return text;
}

void row(std::string& text, const char* name, double before, double after) {
    append(text, "  %-28s%s%s", name, ratioText(before).c_str(), ratioText(after).c_str());
    endLine(text);
}

void secondsRow(std::string& text, const char* name, double before, double after) {
    append(text, "  %-28s%9.2fs%9.2fs", name, before, after);
    endLine(text);
}

void shareRow(std::string& text, const char* name, double before, double after) {
    append(text, "  %-28s%9.1f%%%9.1f%%", name, before * 100.0, after * 100.0);
    endLine(text);
}

void driveText(std::string& text, const tune::DriveEvaluation& before,
               const tune::DriveEvaluation& after) {
    append(text, "%-30s%10s%10s",
           (before.name + " (" + std::to_string(int(std::lround(before.scores.seconds))) + " s)")
               .c_str(),
           "before", "after");
    endLine(text);
    row(text, "cost", before.cost, after.cost);
    for (int channel = 0; channel < cueing::channelCount; ++channel) {
        const std::string name = std::string(cueing::channelNames[channel]) + " error ratio";
        row(text, name.c_str(), before.scores.channels[channel].errorRatio,
            after.scores.channels[channel].errorRatio);
    }
    append(text, "  %-28s%10s%10s", "fits the platform", before.violation > 0.0 ? "no" : "yes",
           after.violation > 0.0 ? "no" : "yes");
    endLine(text);
    const tune::Violations &b = before.violations, &a = after.violations;
    secondsRow(text, "at a final limit", b.secondsAtLimit, a.secondsAtLimit);
    secondsRow(text, "tilt felt as rotation", b.secondsFeltAsRotation, a.secondsFeltAsRotation);
    shareRow(text, "beyond the envelope", b.beyondEnvelope, a.beyondEnvelope);
    shareRow(text, "beyond a velocity limit", b.beyondVelocity, a.beyondVelocity);
    shareRow(text, "beyond an acceleration limit", b.beyondAcceleration, a.beyondAcceleration);
}

const char* stopText(tune::Stop stop) {
    switch (stop) {
    case tune::Stop::Budget:
        return "the budget ran out first (the result depends on this machine's speed)";
    case tune::Stop::Cancelled:
        return "cancelled";
    default:
        return "finished";
    }
}

} // namespace

std::string parameterListText() {
    std::string text = "Tunable values (name, tuning range as the page shows it, where):\n";
    for (const tune::Parameter& p : tune::tunableParameters()) {
        append(text, "  %-58s %g to %g %s", p.name.c_str(), toShown(p.unit, p.tuning.low),
               toShown(p.unit, p.tuning.high), shownUnitText(p.unit));
        endLine(text);
        text += "      " + p.displayName() + "\n";
    }
    return text;
}

std::string tuneResultText(const tune::Problem& problem, const tune::Result& result) {
    std::string text;
    append(text, "Search: %s after %d evaluations in %.1f s\n\n", stopText(result.stop),
           result.evaluations, result.seconds);
    for (std::size_t i = 0; i < result.before.drives.size(); ++i) {
        driveText(text, result.before.drives[i], result.after.drives[i]);
        text += '\n';
    }
    append(text, "%-30s%s%s", "Total cost (mean of the drives)",
           ratioText(result.before.cost).c_str(), ratioText(result.after.cost).c_str());
    endLine(text);
    append(text, "\nChanged in parameter set %d (%zu of %zu values):\n", problem.paramSet + 1,
           result.changes.size(), tune::parametersOf(problem).size());
    for (const tune::ParameterChange& change : result.changes) {
        const tune::Parameter& p = *tune::findParameter(change.name);
        append(text, "  %-50s %10.4g -> %-10.4g %s", change.name.c_str(),
               toShown(p.unit, change.before), toShown(p.unit, change.after),
               shownUnitText(p.unit));
        endLine(text);
    }
    return text;
}
