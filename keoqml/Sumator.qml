import QtQuick 2.15
import JVX_QuickGraphView 1.0
import "."

// The sum of all contributions to one degree of freedom.
Rectangle {
    id: sumator

    readonly property alias graph: graphView

    color: "white"
    border.color: Style.borderColor
    border.width: 1

    JVX_QuickGraphView {
        id: graphView
        visible: false
    }

    TextStyled {
        anchors.centerIn: parent
        font.pixelSize: 2 * Style.controlFontHeaderSize
        text: "\u2211"
    }

    KEO_GraphLink {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 8 * qt_scale
        graph: graphView
    }
}
