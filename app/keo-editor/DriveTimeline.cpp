#include "DriveTimeline.h"

#include <QFileInfo>
#include <cmath>
#include <engine/drive/Drive.h>

namespace {

// The manoeuvres "mix" strings together after its rest, in order (docs/engine.md).
const char* const mixParts[] = {"acceleration", "braking",     "lane-change",
                                "slalom",       "steady-turn", "bumpy-road"};
constexpr double mixRestSeconds = 2.0;

// Mix's parts with their starts; empty when they do not add up to the drive played, so that the
// window never names a part that is not playing.
std::vector<std::pair<double, QString>> partsOfMix(double duration) {
    std::vector<std::pair<double, QString>> parts{{0.0, QStringLiteral("mix: rest")}};
    double start = mixRestSeconds;
    for (const char* name : mixParts) {
        parts.emplace_back(start, QStringLiteral("mix: ") + QLatin1String(name));
        start += engine::drive::makeManoeuvre(name)->duration();
    }
    if (std::fabs(start - duration) > 1e-6)
        parts.clear();
    return parts;
}

} // namespace

DriveTimeline::DriveTimeline(const QString& nameOrPath, double duration) {
    if (nameOrPath == QLatin1String("mix"))
        m_parts = partsOfMix(duration);
    if (m_parts.empty())
        m_parts.emplace_back(0.0, QFileInfo(nameOrPath).fileName());
}

QString DriveTimeline::nameAt(double seconds) const {
    QString name = m_parts.front().second;
    for (const auto& [start, part] : m_parts)
        if (start <= seconds)
            name = part;
    return name;
}
