import QtQuick 2.15
import "."

// The limited-slip differential's dampening of a turning signal: the LSD factor multiplies the
// signal that passes through the centre.
Item {
    id: node

    readonly property real roundSize: 48 * qt_scale

    KEO_PathConnectionsDrawer {
        anchors.fill: parent
        connections: [lsdRound, product]
        arrowPairs: [[lsdRound, product]]
    }

    RoundContainer {
        id: lsdRound
        objectName: "lsdRound"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        size: node.roundSize
        color: "plum"
        text: qsTr("LSD")
        textSize: Style.controlFontDescriptionSize
    }

    RoundContainer {
        id: product
        objectName: "productCircle"
        anchors.centerIn: parent
        size: Style.circleControlSize
        text: "\u00D7"
        textSize: 10 * qt_scale
    }
}
