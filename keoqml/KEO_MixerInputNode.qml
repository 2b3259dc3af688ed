import QtQuick 2.15
import "."

// Where a path hands its signal to the DoF mixer: a dashed branch from the path up to the
// mixer's round.
Item {
    id: node

    readonly property real roundSize: 48 * qt_scale

    implicitWidth: Style.circleControlSize
    implicitHeight: Style.blockHeight

    KEO_PathConnectionsDrawer {
        anchors.fill: parent
        connections: [centre, mixerRound]
        arrowPairs: [[centre, mixerRound]]
        lineDash: [3, 3]
    }

    KEO_Point {
        id: centre
        anchors.centerIn: parent
    }

    RoundContainer {
        id: mixerRound
        objectName: "mixerRound"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 16 * qt_scale
        size: node.roundSize
        color: Style.mixerRoundContainerColor
        text: qsTr("DoF\n mixer")
        textSize: Style.controlFontDescriptionSize
    }
}
