#pragma once

#include "DriveTimeline.h"

#include <QTimer>
#include <QWidget>
#include <engine/drive/ColumnMap.h>
#include <optional>
#include <rig/Rig.h>

class ActuatorBars;
class EngineOutputSource;
class QComboBox;
class QLabel;
class QPushButton;

// The host's small window beside the editor: which drive the engines follow (a built-in
// manoeuvre, a telemetry CSV file or an iRacing .ibt file), play and pause, restart, the speed
// from ×0.25 to ×4, and what is playing (within "mix", which manoeuvre) and where; with a rig,
// its actuators beside all that, following the platform of the cluster being edited.
// A telemetry file that cannot be read is refused with its fault in a message, and the drive
// playing goes on.
class DriveWindow : public QWidget {
    Q_OBJECT

public:
    // `driveName` is what the drive playing was opened as (a name or a CSV path).
    DriveWindow(EngineOutputSource& source, const QString& driveName, QWidget* parent = nullptr);

    // Opens a drive by name or telemetry file path; false, with the reason in `error`, when it
    // cannot.
    bool openDrive(const QString& nameOrPath, QString& error);

    // The column map telemetry files are read through from now on.
    void setColumnMap(std::optional<engine::drive::ColumnMap> map);
    // Shows the rig's actuators beside the controls.
    void showActuators(rig::Rig rig);
    ActuatorBars* actuatorBars() const { return m_actuators; }

private:
    void chooseDrive(int index);
    void openTelemetryFile();
    void showActuatorPositions();
    void togglePlaying();
    void showState();
    int indexOf(const QString& nameOrPath);

    EngineOutputSource& m_source;
    QComboBox* m_drives;
    QPushButton* m_playPause;
    QComboBox* m_speeds;
    QLabel* m_position;
    DriveTimeline m_timeline;
    QTimer m_refresh;
    QTimer m_actuatorRefresh;
    int m_shownIndex = 0;
    std::optional<engine::drive::ColumnMap> m_map;
    ActuatorBars* m_actuators = nullptr;
};
