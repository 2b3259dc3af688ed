#pragma once

#include <QtCore/QMetaObject>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QVariant>

// An optional extension for hosts that decide when the editor's window closes: whether the edits
// are saved, and saving them as Ctrl+S does. Create places a session object among the children
// of the view it built the editor in (object name "KEOEditorSession"), with
//   - the property `modified` (bool, notified by modifiedChanged()): the edited configuration
//     differs from what was last loaded or saved;
//   - the invokable `bool save()`: saves the edits as Ctrl+S does; true once nothing is left
//     unsaved, false when the save failed (the editor then shows why).
// The functions below reach it through Qt's meta-object system only, so host and library need not
// come from the same compiler; neither export changes. All on the GUI thread.
namespace KEOEditor {

// The session of the editor built in `view`; null before Create or after a failed one.
inline QObject* session(const QObject& view) {
    return view.findChild<QObject*>(QStringLiteral("KEOEditorSession"), Qt::FindDirectChildrenOnly);
}

inline bool hasUnsavedEdits(const QObject& view) {
    const QObject* editor = session(view);
    return editor && editor->property("modified").toBool();
}

// True when nothing is left unsaved: saved now, nothing to save, or no editor.
inline bool saveEdits(const QObject& view) {
    QObject* editor = session(view);
    bool saved = true;
    if (editor)
        QMetaObject::invokeMethod(editor, "save", Qt::DirectConnection, Q_RETURN_ARG(bool, saved));
    return saved;
}

} // namespace KEOEditor
