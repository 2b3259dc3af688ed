import QtQuick 2.15
import JVX_QuickGraphView 1.0
import "."

// Turns an acceleration, as a share of G, into a tilt angle.
Item {
    id: node

    readonly property alias graph: graphView

    implicitWidth: Style.circleControlSize
    implicitHeight: Style.circleControlSize

    JVX_QuickGraphView {
        id: graphView
        visible: false
        captions: [qsTr("Input [%]"), qsTr("Output [deg]")]
    }

    KEO_GraphLink {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.top
        anchors.bottomMargin: Style.graphPathControllerMargin
        graph: graphView
    }

    RoundContainer {
        objectName: "asinCircle"
        anchors.fill: parent
        size: Style.circleControlSize
        color: "white"
        text: "-asin"
        textSize: 8 * qt_scale
    }

    TextStyled {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.bottom
        font.pixelSize: Style.controlFontDescriptionSize
        text: qsTr("acc/G")
    }
}
