#pragma once

#include <QObject>

class ConfigManager;

// What a host may ask of the editor it built (include/KEOUI64/EditorSession.h): whether the edits
// are saved, and to save them as Ctrl+S does. A child of the view, found by its object name.
class EditorSession : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool modified READ isModified NOTIFY modifiedChanged)

public:
    EditorSession(ConfigManager* manager, QObject* view);

    bool isModified() const;
    // True once nothing is left unsaved; a failed save shows its reason in the editor.
    Q_INVOKABLE bool save();

signals:
    void modifiedChanged();

private:
    ConfigManager* m_manager;
};
