#pragma once

#include "ScriptFile.h"
#include "ScriptResult.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ChangesListModel;
class CompareSetsModel;
class ConfigModel;
class EditHistory;
class ParamSetModel;

// The one object through which the editor loads and saves script files. It owns the loaded
// configurations (one per cluster), the cluster being edited, the saved copy the models compare
// against, and the two top models of the editing tree; failures become translated user messages.
//
// The models point into `m_configs` (the node of the selected cluster) and into `m_saved`. Map
// nodes keep their address while their key stays, so configurations are copied into existing
// nodes, and the node the models point at is only erased after they were rebound elsewhere.
class ConfigManager : public QObject {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* paramSetModel      READ paramSetModelObject CONSTANT)
    Q_PROPERTY(QObject* configModel        READ configModelObject   CONSTANT)
    Q_PROPERTY(bool     attachedToScript   READ attachedToScript    CONSTANT)
    Q_PROPERTY(bool     isConfigLoaded     READ isConfigLoaded      NOTIFY configLoaded)
    Q_PROPERTY(int      multiConfigTrigger READ multiConfigTrigger  NOTIFY multiConfigTriggerChanged)
    Q_PROPERTY(QString  configFilePath     READ configFilePath      NOTIFY configFilePathChanged)
    Q_PROPERTY(int      errorCounter       READ errorCounter        NOTIFY errorCounterChanged)
    Q_PROPERTY(QString  errorMessage       READ errorMessage        NOTIFY errorMessageChanged)
    Q_PROPERTY(int      configModelId      READ configModelId       NOTIFY configIdChanged)
    // clang-format on

public:
    // Asks the user for a script to open; an empty result means the user cancelled.
    using OpenFileChooser = std::function<QString(const QString& caption, const QString& filter)>;

    ConfigManager(const WidePath& scriptPath, bool attachedToScript, QObject* parent = nullptr);
    ~ConfigManager() override;

    ParamSetModel* paramSetModel() const { return m_paramSetModel.get(); }
    ConfigModel* configModel() const { return m_configModel.get(); }
    QObject* paramSetModelObject() const;
    QObject* configModelObject() const;
    // The undo history of the edited cluster and the lists built on it; the views reach them
    // through context properties of their own (script/EditingContext.h).
    EditHistory* editHistory() const { return m_editHistory.get(); }
    ChangesListModel* configChanges() const { return m_changes.get(); }
    CompareSetsModel* paramSetComparison() const { return m_comparison.get(); }
    bool attachedToScript() const { return m_attachedToScript; }
    bool isConfigLoaded() const { return m_isConfigLoaded; }
    int multiConfigTrigger() const { return m_multiConfigTrigger; }
    QString configFilePath() const { return QString::fromStdU16String(m_scriptPath); }
    int errorCounter() const { return m_errorCounter; }
    QString errorMessage() const { return m_errorMessage; }
    int configModelId() const { return m_currentId; }

    // The operations behind the invokables, with the script layer's result.
    ScriptResult load();
    ScriptResult save();

    // Replaces the file dialog, e.g. in tests; null restores Qt's modal open-file dialog.
    void setOpenFileChooser(OpenFileChooser chooser);

    // The user text for a result code.
    static QString messageForCode(int code);

    Q_INVOKABLE void saveFromUi();
    Q_INVOKABLE void loadFromUi();
    Q_INVOKABLE bool loadFromUiEx();
    Q_INVOKABLE bool setConfigFromUi(int id);

signals:
    void configFilePathChanged();
    void configLoaded(bool loaded);
    void errorCounterChanged();
    void errorMessageChanged();
    void multiConfigTriggerChanged();
    void configIdChanged(int id);

private:
    // Loads a file into staging; a one-cluster load is accepted at once.
    ScriptResult loadIntoStaging(const WidePath& path, bool adoptPathOnAccept);
    // Makes the staged load the edited one and binds the models to cluster `id` (present in it).
    void adoptStaging(std::int32_t id);
    void bindCluster(std::int32_t id);
    void markLoaded();
    void setScriptPath(const WidePath& path);
    void reportError(int code);

    ConfigMap m_configs;
    ConfigMap m_staging;
    Config m_saved;
    std::int32_t m_currentId = 0;
    // Without Qt parents: the config model goes first, then the parameter set it listens to.
    std::unique_ptr<ParamSetModel> m_paramSetModel;
    std::unique_ptr<ConfigModel> m_configModel;
    // Listen to the config model, so they go before it.
    std::unique_ptr<EditHistory> m_editHistory;
    std::unique_ptr<ChangesListModel> m_changes;
    std::unique_ptr<CompareSetsModel> m_comparison;
    WidePath m_scriptPath;
    WidePath m_loadedPath;
    const bool m_attachedToScript;
    bool m_isConfigLoaded = false;
    int m_multiConfigTrigger = 0;
    int m_errorCounter = 0;
    QString m_errorMessage;
    OpenFileChooser m_openFileChooser;
};
