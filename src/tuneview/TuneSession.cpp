#include "TuneSession.h"

#include "TuneChanges.h"
#include "TuneComparison.h"
#include "TuneParameterList.h"
#include "engine/drive/Drive.h"
#include "models/ConfigModel.h"
#include "models/EditHistory.h"
#include "script/ConfigManager.h"

#include <QFileDialog>
#include <cmath>

namespace {

QString openWithFileDialog(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(nullptr, caption, QString(), filter);
}

std::vector<std::string> standardStrings(const QStringList& list) {
    std::vector<std::string> strings;
    for (const QString& text : list)
        strings.push_back(text.toStdString());
    return strings;
}

bool inputsCarryGravity(const Config& config) {
    return !config.algorithm.removeVerticalComponent;
}

} // namespace

struct TuneSession::Outcome {
    tune::Result result;
    tune::Evaluation other; // the set not tuned, on the same drives
    QString error;
    bool failedBeforeSearch = false; // a drive could not be read

    bool cancelled() const {
        return result.stop == tune::Stop::Cancelled || result.after.cancelled || other.cancelled;
    }
};

TuneSession::TuneSession(ConfigManager* manager, QObject* parent)
    : QObject(parent)
    , m_manager(manager)
    , m_fileChooser(openWithFileDialog) {
    // A result belongs to the record it was tuned from: another cluster or file ends the run.
    connect(manager, &ConfigManager::configIdChanged, this, &TuneSession::cancel);
    connect(manager, &ConfigManager::configLoaded, this, &TuneSession::cancel);
    connect(manager->editHistory(), &EditHistory::historyChanged, this,
            &TuneSession::forgetStaleComparison);
}

TuneSession::~TuneSession() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TuneSession::setFileChooser(FileChooser chooser) {
    m_fileChooser = chooser ? std::move(chooser) : FileChooser(openWithFileDialog);
}

QStringList TuneSession::manoeuvres() const {
    QStringList names;
    for (const std::string& name : engine::drive::manoeuvreNames())
        names.append(QString::fromStdString(name));
    return names;
}

void TuneSession::setMaxEvaluations(int count) {
    count = std::max(0, count);
    if (count == m_maxEvaluations)
        return;
    m_maxEvaluations = count;
    emit settingsChanged();
}

void TuneSession::refresh(int set) {
    m_recentSeconds = m_recent.seconds();
    emit sourcesChanged();
    if (!m_manager->isConfigLoaded())
        return;
    m_parameters = tuneParameterRows(m_manager->configModel()->current(),
                                     set == 1 ? KEOParamSet::Second : KEOParamSet::First);
    emit parametersChanged();
}

void TuneSession::addTelemetryFile() {
    const QString path =
        m_fileChooser(tr("Open telemetry"), tr("Telemetry (*.csv *.ibt);;All files (*)"));
    if (path.isEmpty() || m_files.contains(path))
        return;
    m_files.append(path);
    emit sourcesChanged();
}

void TuneSession::removeTelemetryFile(int index) {
    if (index < 0 || index >= m_files.size())
        return;
    m_files.removeAt(index);
    emit sourcesChanged();
}

bool TuneSession::start(bool recent, const QStringList& manoeuvres, const QStringList& files,
                        const QStringList& parameters, int set, int seed, double budgetSeconds) {
    if (running())
        return false;
    if (!m_manager->isConfigLoaded() || (set != 0 && set != 1)) {
        setStatus(tr("Nothing to tune: no configuration is loaded."));
        return false;
    }
    if (parameters.isEmpty()) {
        setStatus(tr("Choose at least one value to tune."));
        return false;
    }
    if (!recent && manoeuvres.isEmpty() && files.isEmpty()) {
        setStatus(tr("Choose at least one drive to tune on."));
        return false;
    }
    tune::Problem problem;
    problem.config = m_manager->configModel()->current();
    m_set = set == 1 ? KEOParamSet::Second : KEOParamSet::First;
    problem.paramSet = m_set;
    problem.envelope = m_envelope;
    problem.parameters = standardStrings(parameters);
    problem.seed = unsigned(std::max(0, seed));
    problem.budgetSeconds = budgetSeconds > 0.0 ? budgetSeconds : problem.budgetSeconds;
    problem.maxEvaluations = m_maxEvaluations;

    m_cancel = false;
    m_comparison.clear();
    emit comparisonChanged();
    m_progress = 0.0;
    setStatus(tr("Starting…"));
    m_worker = std::thread(&TuneSession::run, this, std::move(problem),
                           TuneSources{recent, manoeuvres, files});
    emit runningChanged();
    return true;
}

void TuneSession::cancel() {
    m_cancel = true;
}

// The worker thread: everything it hands back goes through queued calls, which Qt drops once the
// session is gone (its destructor waits for this thread first).
void TuneSession::run(tune::Problem problem, const TuneSources& sources) {
    auto outcome = std::make_shared<Outcome>();
    try {
        // Read here: an hour of telemetry, or five minutes of records, takes a moment.
        problem.drives = tuneDrives(sources, m_recent, inputsCarryGravity(problem.config));
        const auto report = [this](const tune::Progress& progress) {
            QMetaObject::invokeMethod(
                this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
        };
        outcome->result = tune::tune(problem, report, m_cancel);
        if (outcome->result.stop != tune::Stop::Cancelled) {
            problem.paramSet =
                problem.paramSet == KEOParamSet::First ? KEOParamSet::Second : KEOParamSet::First;
            outcome->other = tune::evaluate(problem, outcome->result.config, &m_cancel);
        }
    } catch (const engine::drive::DriveError& error) {
        outcome->error = QString::fromStdString(error.what());
        outcome->failedBeforeSearch = true;
    } catch (const std::exception& error) {
        outcome->error = QString::fromStdString(error.what());
    }
    QMetaObject::invokeMethod(
        this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
}

void TuneSession::showProgress(const tune::Progress& progress) {
    if (!running() || m_cancel)
        return;
    m_progress = progress.fraction();
    QString phase = QString::fromUtf8(progress.phase);
    if (!phase.isEmpty())
        phase[0] = phase[0].toUpper();
    QString text = tr("%1: %2 of %3 evaluations, best cost %4")
                       .arg(phase)
                       .arg(progress.evaluations)
                       .arg(progress.evaluationLimit)
                       .arg(progress.bestCost, 0, 'f', 3);
    if (progress.bestViolation > 0.0)
        text += tr(" (not yet within the platform's limits)");
    setStatus(text);
}

void TuneSession::finish(const std::shared_ptr<Outcome>& outcome) {
    m_worker.join();
    bool applied = false;
    if (outcome->failedBeforeSearch) {
        setStatus(outcome->error);
    } else if (!outcome->error.isEmpty()) {
        setStatus(tr("Tuning failed: %1").arg(outcome->error));
    } else if (m_cancel || outcome->cancelled()) {
        setStatus(tr("Cancelled: the configuration is as it was."));
    } else {
        applied = apply(*outcome);
    }
    m_progress = applied ? 1.0 : 0.0;
    emit runningChanged();
    emit progressChanged();
    emit finished(applied);
}

bool TuneSession::apply(const Outcome& outcome) {
    const tune::Result& result = outcome.result;
    EditHistory* history = m_manager->editHistory();
    const int stepsBefore = history->steps();
    history->applyStep(tunedChanges(m_manager->configModel()->current(), result, m_set),
                       tr("Tune set #%1").arg(int(m_set) + 1));
    const bool applied = history->steps() != stepsBefore;
    // The scores are those of the configuration as tuned: any later step, undo included, makes
    // them stale.
    m_tunedStep = history->stack().index();
    const bool first = m_set == KEOParamSet::First;
    m_comparison = first ? comparisonRows(result.after, outcome.other)
                         : comparisonRows(outcome.other, result.after);
    emit comparisonChanged();
    const double before = result.before.cost;
    const double after = result.after.cost;
    const int drives = int(result.before.drives.size());
    QString text =
        applied ? tr("Set #%1 tuned in %2 s: cost %3 → %4 (%5 %) on %6, %7. Undo puts it back.")
                      .arg(int(m_set) + 1)
                      .arg(result.seconds, 0, 'f', 0)
                      .arg(before, 0, 'f', 3)
                      .arg(after, 0, 'f', 3)
                      .arg(before > 0.0 ? 100.0 * (after - before) / before : 0.0, 0, 'f', 0)
                      .arg(drives == 1 ? tr("1 drive") : tr("%1 drives").arg(drives))
                      .arg(result.after.feasible() ? tr("within the platform's limits")
                                                   : tr("NOT within the platform's limits"))
                : tr("No better values found: the configuration is as it was.");
    if (result.stop == tune::Stop::Budget)
        text += tr(" The time budget ended the search early; another run may differ.");
    setStatus(text);
    return applied;
}

void TuneSession::forgetStaleComparison() {
    if (m_comparison.isEmpty() || running() ||
        m_manager->editHistory()->stack().index() == m_tunedStep)
        return;
    m_comparison.clear();
    m_tunedStep = -1;
    emit comparisonChanged();
}

void TuneSession::setStatus(const QString& status) {
    m_status = status;
    emit progressChanged();
}
