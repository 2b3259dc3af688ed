import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

// "Tune…" of the Cueing window: the drives to tune on (what was just driven, built-in manoeuvres,
// recorded telemetry), the values to search, the parameter set they land in, the seed and the
// time budget; the search runs off the GUI thread with its progress and a Cancel. Its result is
// one undoable step; afterwards both parameter sets' scores on the tuning drives stand side by side.
Rectangle {
    id: tunePanel

    readonly property var tune: cpp_tune
    readonly property real unit: qt_scale
    property real maxHeight: implicitHeight
    property int targetSet: 0
    property var chosenNames: []
    property var chosenManoeuvres: []
    property bool useRecent: false

    signal choicesRefreshed

    function open() {
        targetSet = cpp_configManager.paramSetModel.paramSetIndex === 1 ? 1 : 0;
        refreshChoices();
        useRecent = tune.recentSeconds >= 1;
        if (chosenManoeuvres.length === 0 && !useRecent)
            chosenManoeuvres = ["mix"];
        visible = true;
        forceActiveFocus();
    }

    function refreshChoices() {
        tune.refresh(targetSet);
        var names = [];
        for (var i = 0; i < tune.parameters.length; ++i)
            if (tune.parameters[i].chosen)
                names.push(tune.parameters[i].name);
        chosenNames = names;
        choicesRefreshed();
    }

    function toggled(list, name, on) {
        var copy = list.filter(function(item) { return item !== name; });
        if (on)
            copy.push(name);
        return copy;
    }

    function start() {
        tune.start(useRecent && tune.recentSeconds >= 1, chosenManoeuvres, tune.files, chosenNames,
                   targetSet, seedBox.value, budgetBox.value);
    }

    objectName: "tunePanel"
    visible: false
    width: 600 * unit
    height: Math.min(implicitHeight, maxHeight)
    implicitHeight: content.implicitHeight + 16 * unit
    color: "white"
    border.color: Style.borderColor
    radius: Style.internalWindowRadius
    clip: true
    onTargetSetChanged: if (visible) refreshChoices()
    Keys.onEscapePressed: visible = false

    // The list shows the values as they are now, the tuned ones included; the choice stays.
    Connections {
        target: tunePanel.tune
        function onFinished() {
            tunePanel.tune.refresh(tunePanel.targetSet);
            tunePanel.choicesRefreshed();
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
        onClicked: tunePanel.forceActiveFocus()
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 8 * tunePanel.unit
        contentHeight: content.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: content
            width: parent.width
            spacing: 6 * tunePanel.unit

            Item {
                width: parent.width
                height: tuneTitle.implicitHeight

                TextStyled {
                    id: tuneTitle
                    text: qsTr("Tune set #%1").arg(tunePanel.targetSet + 1)
                    font.bold: true
                    font.pixelSize: Style.controlFontHeaderSize
                }

                TextLink {
                    objectName: "closeTuneLink"
                    anchors.right: parent.right
                    text: qsTr("Close")
                    onClicked: tunePanel.visible = false
                }
            }

            TextStyled {
                width: parent.width
                wrapMode: Text.Wrap
                text: qsTr("Searches the chosen values of one parameter set for the motion the "
                           + "rider perceives closest to the vehicle's on the chosen drives, within "
                           + "the platform's envelope. Every other value stays as it is; the result "
                           + "is one step that Undo takes back.")
            }

            KEO_TuneDrives {
                width: parent.width
                panel: tunePanel
                enabled: !tunePanel.tune.running
            }

            KEO_TuneParameters {
                width: parent.width
                panel: tunePanel
                enabled: !tunePanel.tune.running
            }

            Row {
                spacing: 8 * tunePanel.unit
                enabled: !tunePanel.tune.running

                TextStyled {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Into")
                }
                Repeater {
                    model: 2
                    RadioButtonStyled {
                        objectName: "targetSet" + index
                        text: qsTr("Set #%1").arg(index + 1)
                        checked: tunePanel.targetSet === index
                        onClicked: tunePanel.targetSet = index
                    }
                }
                TextStyled {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Seed")
                }
                SpinBox {
                    id: seedBox
                    objectName: "seedBox"
                    width: 110 * tunePanel.unit
                    from: 0
                    to: 999999
                    value: 1
                    editable: true
                    implicitHeight: Style.controlHeight
                }
                TextStyled {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Budget, s")
                }
                SpinBox {
                    id: budgetBox
                    objectName: "budgetBox"
                    width: 110 * tunePanel.unit
                    from: 5
                    to: 3600
                    stepSize: 5
                    value: 60
                    editable: true
                    implicitHeight: Style.controlHeight
                }
            }

            Row {
                spacing: 8 * tunePanel.unit

                TextButton {
                    objectName: "startTuneButton"
                    width: 90 * tunePanel.unit
                    height: 28 * tunePanel.unit
                    text: qsTr("Start")
                    enabled: !tunePanel.tune.running && tunePanel.chosenNames.length > 0
                    onClicked: tunePanel.start()
                }
                TextButton {
                    objectName: "cancelTuneButton"
                    width: 90 * tunePanel.unit
                    height: 28 * tunePanel.unit
                    text: qsTr("Cancel")
                    enabled: tunePanel.tune.running
                    onClicked: tunePanel.tune.cancel()
                }
                Rectangle {
                    objectName: "tuneProgressBar"
                    anchors.verticalCenter: parent.verticalCenter
                    width: content.width - 2 * (90 + 8) * tunePanel.unit
                    height: 10 * tunePanel.unit
                    radius: height / 2
                    border.color: Style.borderColor
                    Rectangle {
                        width: parent.width * tunePanel.tune.progress
                        height: parent.height
                        radius: parent.radius
                        color: Style.mainBlueColor
                    }
                }
            }

            TextStyled {
                objectName: "tuneStatusText"
                width: parent.width
                wrapMode: Text.Wrap
                visible: text !== ""
                text: tunePanel.tune.status
            }

            KEO_TuneComparison {
                objectName: "tuneComparison"
                width: parent.width
                rows: tunePanel.tune.comparison
                visible: rows.length > 0
            }
        }
    }
}
