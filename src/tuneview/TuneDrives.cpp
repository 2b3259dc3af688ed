#include "TuneDrives.h"

#include "cueingview/RecentDrive.h"
#include "engine/drive/Drive.h"

#include <QCoreApplication>

namespace drive = engine::drive;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("TuneDrives", text);
}

} // namespace

std::vector<tune::NamedDrive> tuneDrives(const TuneSources& sources, const RecentDrive& recent,
                                         bool inputsCarryGravity) {
    std::vector<tune::NamedDrive> drives;
    if (sources.recent) {
        std::shared_ptr<const drive::Drive> driven =
            recentDriveOf(recent.samples(), inputsCarryGravity);
        if (!driven)
            throw drive::DriveError(tr("Nothing has been driven yet.").toStdString());
        drives.push_back({tr("just driven").toStdString(), std::move(driven)});
    }
    for (const QString& name : sources.manoeuvres)
        drives.push_back({name.toStdString(), drive::makeManoeuvre(name.toStdString())});
    for (const QString& path : sources.files)
        drives.push_back({path.toStdString(), drive::openDrive(path.toStdString())});
    return drives;
}
