import QtQuick 2.15
import "."

// The tune panel's choice of drives: what the host's records say was just driven, built-in
// manoeuvres (any number), and recorded telemetry files.
Column {
    id: drives

    property var panel: null
    readonly property var tune: cpp_tune

    spacing: 2 * qt_scale

    TextStyled {
        font.bold: true
        text: qsTr("Drives to tune on")
    }

    CheckboxStyled {
        objectName: "recentDriveCheck"
        enabled: drives.tune.recentSeconds >= 1
        checked: drives.panel.useRecent && enabled
        text: drives.tune.recentSeconds >= 1 ? qsTr("What was just driven (the last %1 s)")
                        .arg(Math.min(300, drives.tune.recentSeconds).toFixed(0))
                      : qsTr("What was just driven (nothing yet)")
        onToggled: drives.panel.useRecent = checked
    }

    Flow {
        width: parent.width
        spacing: 2 * qt_scale

        Repeater {
            model: drives.tune.manoeuvres

            CheckboxStyled {
                objectName: "manoeuvre_" + modelData
                topPadding: 2
                bottomPadding: 2
                text: modelData
                checked: drives.panel.chosenManoeuvres.indexOf(modelData) >= 0
                onToggled: drives.panel.chosenManoeuvres =
                           drives.panel.toggled(drives.panel.chosenManoeuvres, modelData, checked)
            }
        }
    }

    Repeater {
        model: drives.tune.files

        Row {
            spacing: 8 * qt_scale
            TextStyled {
                width: drives.width - removeLink.width - 8 * qt_scale
                elide: Text.ElideMiddle
                text: modelData
            }
            TextLink {
                id: removeLink
                text: qsTr("Remove")
                onClicked: drives.tune.removeTelemetryFile(index)
            }
        }
    }

    TextLink {
        objectName: "addTelemetryLink"
        text: qsTr("Add a telemetry file…")
        onClicked: drives.tune.addTelemetryFile()
    }
}
