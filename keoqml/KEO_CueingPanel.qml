import QtQuick 2.15
import KEO_Cueing 1.0
import "."

// What the rider would feel with the edited configuration: the frequency response of each
// response of the engine's model, both parameter sets overlaid, following every edit. Without
// live outputs from the host it says so and still shows the frequency response.
Rectangle {
    id: panel

    readonly property var response: cpp_frequencyResponse
    readonly property var envelopeUse: cpp_envelopeUse
    readonly property var scores: cpp_liveScores
    readonly property bool liveOutputs: envelopeUse.receiving
    property int selectedResponse: 0
    readonly property real unit: qt_scale

    function open() {
        visible = true;
        forceActiveFocus();
    }

    objectName: "cueingPanel"
    visible: false
    width: 760 * unit
    implicitHeight: content.height + 16 * unit
    color: "white"
    border.color: Style.borderColor
    radius: Style.internalWindowRadius
    Keys.onEscapePressed: visible = false
    Keys.onLeftPressed: selectedResponse = Math.max(0, selectedResponse - 1)
    Keys.onRightPressed: selectedResponse = Math.min(response.responseNames.length - 1,
                                                     selectedResponse + 1)

    // Beside the window, so that both stay in view; it closes with the window.
    KEO_TunePanel {
        id: tunePanel
        anchors.right: parent.left
        anchors.rightMargin: 8 * panel.unit
        maxHeight: panel.parent ? panel.parent.height - panel.y - 16 * panel.unit : implicitHeight
    }

    // Clicks and wheel turns on the panel never reach the page beneath it.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
        onClicked: panel.forceActiveFocus()
    }

    Column {
        id: content
        x: 8 * panel.unit
        y: 8 * panel.unit
        width: parent.width - 16 * panel.unit
        spacing: 6 * panel.unit

        Item {
            width: parent.width
            height: titleText.implicitHeight

            TextStyled {
                id: titleText
                text: qsTr("Cueing")
                font.bold: true
                font.pixelSize: Style.controlFontHeaderSize
            }

            TextLink {
                objectName: "tuneLink"
                anchors.right: closeCueingLink.left
                anchors.rightMargin: 16 * panel.unit
                text: qsTr("Tune…")
                onClicked: tunePanel.open()
            }

            TextLink {
                id: closeCueingLink
                objectName: "closeCueingLink"
                anchors.right: parent.right
                text: qsTr("Close")
                onClicked: panel.visible = false
            }
        }

        TextStyled {
            objectName: "noLiveOutputsText"
            width: parent.width
            visible: !panel.liveOutputs
            wrapMode: Text.Wrap
            color: "#B35C00"
            text: qsTr("No live outputs: the host has delivered no output records to this "
                       + "editor since the window's drive began, so the platform's use of its "
                       + "envelope cannot be shown. The frequency response below is computed from "
                       + "the edited configuration.")
        }

        Item {
            width: parent.width
            height: glanceTitle.implicitHeight
            visible: panel.liveOutputs

            TextStyled {
                id: glanceTitle
                font.bold: true
                text: qsTr("The platform over the whole drive (%1 s), against the work envelope")
                      .arg(panel.envelopeUse.seconds.toFixed(0))
            }

            TextLink {
                objectName: "resetDriveLink"
                anchors.right: parent.right
                text: qsTr("Start the drive over")
                onClicked: panel.envelopeUse.reset()
            }
        }

        Column {
            objectName: "envelopeBars"
            visible: panel.liveOutputs
            spacing: 2 * panel.unit

            Repeater {
                model: [qsTr("Surge"), qsTr("Sway"), qsTr("Heave"), qsTr("Roll"), qsTr("Pitch"),
                    qsTr("Yaw")]

                KEO_EnvelopeBar {
                    objectName: "envelopeBar" + index
                    name: modelData
                    unit: index < 3 ? "m" : "°"
                    use: panel.envelopeUse.dofs[index]
                }
            }
        }

        KEO_ScoresTable {
            objectName: "scoresTable"
            width: parent.width
            visible: panel.scores.receiving
            scores: panel.scores
        }

        TextStyled {
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTr("Frequency response of the edited configuration as the engine models it, "
                       + "where no limit acts: the platform's specific force or angular rate at "
                       + "the point of sense per unit of the vehicle's. The dotted line marks "
                       + "1 rad/s, where the fidelity criteria judge a response.")
        }

        Flow {
            width: parent.width
            spacing: 4 * panel.unit

            Repeater {
                model: panel.response.responseNames

                TextButton {
                    objectName: "responseButton" + index
                    width: implicitWidth
                    height: 26 * panel.unit
                    checked: panel.selectedResponse === index
                    text: modelData
                    onClicked: panel.selectedResponse = index
                }
            }
        }

        KEO_BodePlot {
            id: plot
            objectName: "bodePlot"
            width: parent.width
            height: (panel.liveOutputs ? 196 : 380) * panel.unit
            model: panel.response
            response: panel.selectedResponse
            scale: panel.unit
        }

        Repeater {
            model: 2

            TextStyled {
                objectName: "fidelityText" + index
                readonly property int revision: panel.response.revision
                // Only the direct responses have a point on the fidelity diagram.
                visible: panel.selectedResponse < 6
                text: qsTr("Set #%1 at 1 rad/s: %2").arg(index + 1)
                      .arg(revision >= 0 ? panel.response.fidelityText(index,
                                                                      panel.selectedResponse)
                                         : "")
            }
        }
    }
}
