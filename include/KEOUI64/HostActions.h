#pragma once

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QVariant>
#include <QtQml/QQmlContext>
#include <QtQuick/QQuickView>

// An optional extension for hosts with commands of their own in the editor's window, such as
// showing one of the host's windows again: the editor's header shows one button per action,
// after its own controls. An action is a QAction, or any object with the properties `text`,
// `toolTip`, `enabled` and `visible` and the slot `trigger()`: the button shows the text (an "&"
// mnemonic dropped) and, where it says more, the tool tip; it follows the enabled and visible
// states and a click triggers the action. The editor does not watch for the action's shortcut:
// the host handles it. Call before Create; the actions must outlive the view. Neither export
// changes.
namespace KEOEditor {

inline void setHostActions(QQuickView& view, const QList<QObject*>& actions) {
    QVariantList published;
    for (QObject* action : actions)
        published.append(QVariant::fromValue(action));
    view.rootContext()->setContextProperty(QStringLiteral("keo_hostActions"), published);
}

} // namespace KEOEditor
