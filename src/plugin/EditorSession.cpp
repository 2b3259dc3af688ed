#include "EditorSession.h"

#include "models/ConfigModel.h"
#include "script/ConfigManager.h"

EditorSession::EditorSession(ConfigManager* manager, QObject* view)
    : QObject(view)
    , m_manager(manager) {
    setObjectName(QStringLiteral("KEOEditorSession"));
    connect(manager->configModel(), &BaseModel::modifiedStateChanged, this,
            &EditorSession::modifiedChanged);
    connect(manager, &ConfigManager::configLoaded, this, &EditorSession::modifiedChanged);
}

// Before anything is loaded the models compare an empty record with their starting values, which
// is no edit of the user's.
bool EditorSession::isModified() const {
    return m_manager->isConfigLoaded() && m_manager->configModel()->isModified();
}

bool EditorSession::save() {
    return !isModified() || m_manager->save().ok();
}
