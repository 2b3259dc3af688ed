#pragma once

#include "DriveTimeline.h"

#include <QTimer>
#include <QWidget>

class EngineOutputSource;
class QComboBox;
class QLabel;
class QPushButton;

// The host's small window beside the editor: which drive the engines follow (a built-in
// manoeuvre or a telemetry CSV file), play and pause, restart, the speed from ×0.25 to ×4, and
// what is playing (within "mix", which manoeuvre) and where.
// A CSV file that cannot be read is refused with its fault in a message, and the drive playing
// goes on.
class DriveWindow : public QWidget {
    Q_OBJECT

public:
    // `driveName` is what the drive playing was opened as (a name or a CSV path).
    DriveWindow(EngineOutputSource& source, const QString& driveName, QWidget* parent = nullptr);

    // Opens a drive by name or CSV path; false, with the reason in `error`, when it cannot.
    bool openDrive(const QString& nameOrPath, QString& error);

private:
    void chooseDrive(int index);
    void openCsvFile();
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
    int m_shownIndex = 0;
};
