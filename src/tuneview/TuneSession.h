#pragma once

#include "KEOUI64/WorkEnvelopeLimits.h"
#include "TuneDrives.h"
#include "cueingview/RecentDrive.h"
#include "tune/Tuner.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class ConfigManager;

// What the tune panel drives: it keeps what the host's records say was just driven, runs the
// tuner on the chosen drives, parameters and parameter set on a thread of its own, reports its
// progress, and puts the result into the edited configuration as one undoable step, then judges
// both parameter sets on the tuning drives. A cancelled or failed run changes nothing; so does a
// run whose cluster or file was replaced meanwhile (that cancels it).
class TuneSession : public QObject {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(double       recentSeconds  READ recentSeconds  NOTIFY sourcesChanged)
    Q_PROPERTY(QStringList  manoeuvres     READ manoeuvres     CONSTANT)
    Q_PROPERTY(QStringList  files          READ files          NOTIFY sourcesChanged)
    Q_PROPERTY(QVariantList parameters     READ parameters     NOTIFY parametersChanged)
    Q_PROPERTY(bool         running        READ running        NOTIFY runningChanged)
    Q_PROPERTY(double       progress       READ progress       NOTIFY progressChanged)
    Q_PROPERTY(QString      status         READ status         NOTIFY progressChanged)
    Q_PROPERTY(QVariantList comparison     READ comparison     NOTIFY comparisonChanged)
    // At most this many evaluations (0: the tuner's own default for the parameter count).
    Q_PROPERTY(int          maxEvaluations READ maxEvaluations WRITE setMaxEvaluations NOTIFY settingsChanged)
    // clang-format on

public:
    using FileChooser = std::function<QString(const QString& caption, const QString& filter)>;

    explicit TuneSession(ConfigManager* manager, QObject* parent = nullptr);
    ~TuneSession() override;

    // The host's records go here (DataRetriever listener); valid as long as the session.
    RecentDrive& recentDrive() { return m_recent; }
    void setEnvelope(const WorkEnvelopeLimits& envelope) { m_envelope = envelope; }
    // Replaces the file dialog, e.g. in tests; null restores Qt's.
    void setFileChooser(FileChooser chooser);

    double recentSeconds() const { return m_recentSeconds; }
    QStringList manoeuvres() const;
    QStringList files() const { return m_files; }
    QVariantList parameters() const { return m_parameters; }
    bool running() const { return m_worker.joinable(); }
    double progress() const { return m_progress; }
    QString status() const { return m_status; }
    QVariantList comparison() const { return m_comparison; }
    int maxEvaluations() const { return m_maxEvaluations; }
    void setMaxEvaluations(int count);

    // Reads again how long the recent drive is, and the parameters with the defaults of `set`.
    Q_INVOKABLE void refresh(int set);
    Q_INVOKABLE void addTelemetryFile();
    Q_INVOKABLE void removeTelemetryFile(int index);
    // Starts a tuning of parameter set `set` (0 or 1); false, with the reason in `status`, when it
    // cannot start. A drive that cannot be read ends the run with its reader's message.
    Q_INVOKABLE bool start(bool recent, const QStringList& manoeuvres, const QStringList& files,
                           const QStringList& parameters, int set, int seed, double budgetSeconds);
    Q_INVOKABLE void cancel();

signals:
    void sourcesChanged();
    void parametersChanged();
    void runningChanged();
    void progressChanged();
    void comparisonChanged();
    void settingsChanged();
    // The run is over: `applied` tells whether the configuration changed.
    void finished(bool applied);

private:
    struct Outcome;

    void run(tune::Problem problem, const TuneSources& sources);
    void showProgress(const tune::Progress& progress);
    void finish(const std::shared_ptr<Outcome>& outcome);
    bool apply(const Outcome& outcome);
    void setStatus(const QString& status);
    void forgetStaleComparison();

    ConfigManager* m_manager;
    RecentDrive m_recent;
    WorkEnvelopeLimits m_envelope{};
    FileChooser m_fileChooser;
    double m_recentSeconds = 0.0;
    QStringList m_files;
    QVariantList m_parameters;
    double m_progress = 0.0;
    QString m_status;
    QVariantList m_comparison;
    int m_maxEvaluations = 0;
    int m_tunedStep = -1; // the history's index right after the tuned values landed
    // The run's: the parameter set it tunes, its cancel flag and its thread.
    KEOParamSet::Enum m_set = KEOParamSet::First;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
};
