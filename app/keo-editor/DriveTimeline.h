#pragma once

#include <QString>
#include <utility>
#include <vector>

// What plays when along a drive, by name, for the drive window: a built-in manoeuvre's name
// throughout, a telemetry file's name, and for "mix" each manoeuvre it strings together in turn.
class DriveTimeline {
public:
    // `nameOrPath` as the drive was opened; `duration` the drive's, in seconds.
    DriveTimeline(const QString& nameOrPath, double duration);

    // The name of what plays `seconds` after the start.
    QString nameAt(double seconds) const;

private:
    std::vector<std::pair<double, QString>> m_parts; // start in seconds, name; in order
};
