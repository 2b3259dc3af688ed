import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

// The buttons of the host's own commands: one per action the host published as keo_hostActions
// before the editor was built, with the action's text, tool tip, enabled and visible states. A
// click triggers the action; its shortcut is the host's to handle.
Column {
    id: hostActions

    readonly property var actions: typeof keo_hostActions !== "undefined" && keo_hostActions
                                    ? keo_hostActions : []

    spacing: 4 * qt_scale

    Repeater {
        model: hostActions.actions

        TextButton {
            objectName: "hostActionButton"
            width: Math.max(130 * qt_scale, implicitWidth)
            height: 30 * qt_scale
            // "&" marks a mnemonic in an action's text; the editor has none.
            text: modelData.text.replace(/&(.)/g, "$1")
            enabled: modelData.enabled
            visible: modelData.visible
            onClicked: modelData.trigger()
            ToolTip.visible: hovered && ToolTip.text !== text
            ToolTip.delay: 500
            ToolTip.text: modelData.toolTip
        }
    }
}
