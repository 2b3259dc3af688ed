#include "DriveWindow.h"

#include "ActuatorBars.h"
#include "EngineOutputSource.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <engine/drive/Drive.h>

namespace {

constexpr double speedFactors[] = {0.25, 0.5, 1.0, 2.0, 4.0};
// The actuator bars follow the platform at about the rate the graphs are repainted.
constexpr int actuatorRefreshMs = 33;

} // namespace

DriveWindow::DriveWindow(EngineOutputSource& source, const QString& driveName, QWidget* parent)
    : QWidget(parent)
    , m_source(source)
    , m_drives(new QComboBox(this))
    , m_playPause(new QPushButton(this))
    , m_speeds(new QComboBox(this))
    , m_position(new QLabel(this))
    , m_timeline(driveName, source.sharedDrive()) {
    setWindowTitle(tr("KEO Drive"));
    m_drives->setObjectName(QStringLiteral("driveChoice"));
    for (const std::string& name : engine::drive::manoeuvreNames())
        m_drives->addItem(QString::fromStdString(name), QString::fromStdString(name));
    m_shownIndex = indexOf(driveName);
    m_drives->setCurrentIndex(m_shownIndex);

    auto* openFile = new QPushButton(tr("Open…"), this);
    openFile->setObjectName(QStringLiteral("openFileButton"));
    openFile->setToolTip(tr("Open a telemetry file: CSV or iRacing .ibt"));
    auto* restart = new QPushButton(tr("Restart"), this);
    restart->setObjectName(QStringLiteral("restartButton"));
    m_playPause->setObjectName(QStringLiteral("playPauseButton"));
    m_speeds->setObjectName(QStringLiteral("speedChoice"));
    for (const double factor : speedFactors)
        m_speeds->addItem(QStringLiteral("×%1").arg(factor), factor);
    m_speeds->setCurrentIndex(2);
    m_position->setObjectName(QStringLiteral("positionLabel"));
    m_position->setMinimumWidth(
        m_position->fontMetrics().horizontalAdvance("mix: steady-turn, 000.0 s of 000.0 s"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Drive"), this), 0, 0);
    layout->addWidget(m_drives, 0, 1, 1, 2);
    layout->addWidget(openFile, 0, 3);
    layout->addWidget(m_playPause, 1, 0);
    layout->addWidget(restart, 1, 1);
    layout->addWidget(new QLabel(tr("Speed"), this), 1, 2, Qt::AlignRight);
    layout->addWidget(m_speeds, 1, 3);
    layout->addWidget(m_position, 2, 0, 1, 4);

    connect(m_drives, qOverload<int>(&QComboBox::activated), this, &DriveWindow::chooseDrive);
    connect(openFile, &QPushButton::clicked, this, &DriveWindow::openTelemetryFile);
    connect(m_playPause, &QPushButton::clicked, this, &DriveWindow::togglePlaying);
    connect(restart, &QPushButton::clicked, this, [this] { m_source.restart(); });
    connect(m_speeds, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { m_source.setSpeed(m_speeds->itemData(index).toDouble()); });
    connect(&m_refresh, &QTimer::timeout, this, &DriveWindow::showState);
    m_refresh.start(200);
    showState();
}

bool DriveWindow::openDrive(const QString& nameOrPath, QString& error) {
    try {
        m_source.setDrive(
            engine::drive::openDrive(nameOrPath.toStdString(), m_map ? &*m_map : nullptr));
    } catch (const engine::drive::DriveError& failure) {
        error = QString::fromStdString(failure.what());
        return false;
    }
    m_timeline = DriveTimeline(nameOrPath, m_source.sharedDrive());
    m_shownIndex = indexOf(nameOrPath);
    m_drives->setCurrentIndex(m_shownIndex);
    showState();
    return true;
}

// The index of a drive in the list; a telemetry file not listed yet is added with its file name.
int DriveWindow::indexOf(const QString& nameOrPath) {
    const int found = m_drives->findData(nameOrPath);
    if (found >= 0)
        return found;
    m_drives->addItem(QFileInfo(nameOrPath).fileName(), nameOrPath);
    return m_drives->count() - 1;
}

void DriveWindow::chooseDrive(int index) {
    QString error;
    if (!openDrive(m_drives->itemData(index).toString(), error)) {
        m_drives->setCurrentIndex(m_shownIndex);
        QMessageBox::warning(this, windowTitle(), error);
    }
}

void DriveWindow::openTelemetryFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a telemetry file"), QString(),
                                                      tr("Telemetry (*.csv *.ibt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!openDrive(path, error))
        QMessageBox::warning(this, windowTitle(), error);
}

void DriveWindow::togglePlaying() {
    m_source.setPlaying(!m_source.isPlaying());
    showState();
}

void DriveWindow::showState() {
    m_playPause->setText(m_source.isPlaying() ? tr("Pause") : tr("Play"));
    const double seconds = m_source.driveSeconds();
    m_position->setText(tr("%1, %2 s of %3 s")
                            .arg(m_timeline.nameAt(seconds))
                            .arg(seconds, 0, 'f', 1)
                            .arg(m_source.drive().duration(), 0, 'f', 1));
}

void DriveWindow::setColumnMap(std::optional<engine::drive::ColumnMap> map) {
    m_map = std::move(map);
}

void DriveWindow::showActuators(rig::Rig rig) {
    delete m_actuators;
    m_actuators = new ActuatorBars(std::move(rig), this);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(m_actuators, 0, 4, grid->rowCount(), 1);
    connect(&m_actuatorRefresh, &QTimer::timeout, this, &DriveWindow::showActuatorPositions,
            Qt::UniqueConnection);
    m_actuatorRefresh.start(actuatorRefreshMs);
    showActuatorPositions();
}

// The platform of the cluster being edited, as the engine left it at its latest step.
void DriveWindow::showActuatorPositions() {
    const LatestPlatform::Dofs p = m_source.platform(m_source.editedCluster());
    m_actuators->showPose({p[0], p[1], p[2], p[3], p[4], p[5]});
}
