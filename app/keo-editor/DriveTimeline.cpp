#include "DriveTimeline.h"

#include <QFileInfo>
#include <engine/drive/Drive.h>

DriveTimeline::DriveTimeline(const QString& nameOrPath,
                             std::shared_ptr<const engine::drive::Drive> drive)
    : m_name(QFileInfo(nameOrPath).fileName())
    , m_drive(std::move(drive)) {}

QString DriveTimeline::nameAt(double seconds) const {
    const std::string part = m_drive->partAt(seconds);
    return part.empty() ? m_name : m_name + QStringLiteral(": ") + QString::fromStdString(part);
}
