#include "ConfigManager.h"

#include "models/ChangesListModel.h"
#include "models/CompareSetsModel.h"
#include "models/ConfigModel.h"
#include "models/EditHistory.h"
#include "models/ParamSetModel.h"

#include <QFileDialog>
#include <algorithm>

namespace {

// Tilt coordination cannot render more than gravity; larger input limits are cut on selection.
constexpr float gravity = 9.81f;

void clampTiltInputLimit(AxisConfig& axis) {
    FloatPair& maxValue = axis.tiltCoordinationInputLimit.maxValue;
    for (float& value : maxValue.values)
        value = std::clamp(value, -gravity, gravity);
}

QString openWithFileDialog(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(nullptr, caption, QString(), filter);
}

} // namespace

ConfigManager::ConfigManager(const WidePath& scriptPath, bool attachedToScript, QObject* parent)
    : QObject(parent)
    , m_saved(zeroConfig())
    , m_scriptPath(scriptPath)
    , m_attachedToScript(attachedToScript)
    , m_openFileChooser(openWithFileDialog) {
    m_paramSetModel = std::make_unique<ParamSetModel>();
    m_configs[m_currentId] = zeroConfig();
    m_configModel =
        std::make_unique<ConfigModel>(&m_configs[m_currentId], &m_saved, m_paramSetModel.get());
    m_editHistory = std::make_unique<EditHistory>(m_configModel.get(), m_paramSetModel.get(),
                                                  &m_configs[m_currentId], &m_saved);
    m_changes = std::make_unique<ChangesListModel>(m_editHistory.get());
    m_comparison = std::make_unique<CompareSetsModel>(m_editHistory.get());
}

ConfigManager::~ConfigManager() = default;

QObject* ConfigManager::paramSetModelObject() const {
    return m_paramSetModel.get();
}

QObject* ConfigManager::configModelObject() const {
    return m_configModel.get();
}

void ConfigManager::setOpenFileChooser(OpenFileChooser chooser) {
    m_openFileChooser = chooser ? std::move(chooser) : OpenFileChooser(openWithFileDialog);
}

QString ConfigManager::messageForCode(int code) {
    switch (code) {
    case InternalError:
        return tr("An internal error has occurred. Please try to restart application and try "
                  "again.");
    case FileNotAccessible:
        return tr("Selected file was not found or you have not enough permissions.");
    case SectionNotFound:
        return tr("An KEO script section was not found in selected file. Please select another "
                  "one and try again.");
    case SyntaxError:
        return tr("Some syntax errors were found. Please analyze your script file and fix errors.");
    default:
        return tr("An unknown error has occurred. Please try to restart application and try "
                  "again.");
    }
}

ScriptResult ConfigManager::load() {
    const ScriptResult result = loadIntoStaging(m_scriptPath, false);
    if (result.code != Success && result.code != NoScriptPath)
        reportError(result.code);
    return result;
}

ScriptResult ConfigManager::loadIntoStaging(const WidePath& path, bool adoptPathOnAccept) {
    const ScriptResult result = loadScript(path, m_staging);
    if (!result.ok()) {
        m_staging.clear(); // what a failed load left there must never be accepted
        return result;
    }
    m_loadedPath = path;
    if (m_staging.size() != 1) {
        ++m_multiConfigTrigger;
        emit multiConfigTriggerChanged();
        return result;
    }
    adoptStaging(0);
    if (adoptPathOnAccept)
        setScriptPath(path);
    markLoaded();
    emit configIdChanged(m_currentId);
    return result;
}

ScriptResult ConfigManager::save() {
    const ScriptResult result = saveScript(m_scriptPath, m_configs);
    if (!result.ok()) {
        reportError(result.code);
        return result;
    }
    m_saved = m_configs.at(m_currentId);
    m_configModel->rebind(&m_configs.at(m_currentId), &m_saved);
    return result;
}

void ConfigManager::saveFromUi() {
    save();
}

void ConfigManager::loadFromUi() {
    load();
}

bool ConfigManager::loadFromUiEx() {
    const QString chosen = m_openFileChooser(tr("Open script"), tr("Scripts (*.cpp *.json)"));
    if (chosen.isEmpty())
        return false;
    const ScriptResult result = loadIntoStaging(chosen.toStdU16String(), true);
    if (!result.ok()) {
        reportError(result.code);
        return false;
    }
    return true;
}

bool ConfigManager::setConfigFromUi(int id) {
    // Checked first, so that a refused choice leaves the edited configurations as they were.
    if (m_staging.find(id) == m_staging.end())
        return false;
    adoptStaging(id);
    emit configIdChanged(m_currentId);
    setScriptPath(m_loadedPath);
    markLoaded();
    return true;
}

void ConfigManager::adoptStaging(std::int32_t id) {
    for (const auto& [cluster, config] : m_staging)
        m_configs[cluster] = config; // into the existing node: its address stays valid
    bindCluster(id);
    for (auto it = m_configs.begin(); it != m_configs.end();)
        it = m_staging.count(it->first) ? std::next(it) : m_configs.erase(it);
}

void ConfigManager::bindCluster(std::int32_t id) {
    m_currentId = id;
    Config& current = m_configs.at(id);
    m_saved = current;
    // After the saved copy was taken, so that a clamped value shows as a modification to save.
    clampTiltInputLimit(current.lateral);
    clampTiltInputLimit(current.longitudinal);
    clampTiltInputLimit(current.vertical);
    // A new cluster or file starts a new history, including the clamping above.
    m_editHistory->restart(&current);
    m_configModel->rebind(&current, &m_saved);
}

void ConfigManager::markLoaded() {
    if (m_isConfigLoaded)
        return;
    m_isConfigLoaded = true;
    emit configLoaded(true);
}

void ConfigManager::setScriptPath(const WidePath& path) {
    if (path == m_scriptPath)
        return;
    m_scriptPath = path;
    emit configFilePathChanged();
}

void ConfigManager::reportError(int code) {
    m_errorMessage = messageForCode(code);
    ++m_errorCounter;
    emit errorMessageChanged();
    emit errorCounterChanged();
}
