#pragma once

#include <QString>
#include <memory>

namespace engine::drive {
class Drive;
}

// What plays when along a drive, by name, for the drive window: a built-in manoeuvre's name
// throughout, a telemetry file's name, and within a drive strung together from named parts
// ("mix") the part playing as well.
class DriveTimeline {
public:
    // `nameOrPath` as the drive was opened; `drive` the drive itself.
    DriveTimeline(const QString& nameOrPath, std::shared_ptr<const engine::drive::Drive> drive);

    // The name of what plays `seconds` after the start.
    QString nameAt(double seconds) const;

private:
    QString m_name;
    std::shared_ptr<const engine::drive::Drive> m_drive;
};
