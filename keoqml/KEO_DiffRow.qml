import QtQuick 2.15
import "."

// One row of a value list: its cells in fixed-width columns, then the row's action links.
// Clicking anywhere else on the row activates it.
Rectangle {
    id: row

    property var cells: []
    property var widths: []
    property bool current: false
    default property alias actions: actionArea.data

    signal activated

    width: ListView.view ? ListView.view.width : implicitWidth
    height: cellRow.implicitHeight + 8 * qt_scale
    color: current ? Style.buttonColor : "white"

    MouseArea {
        objectName: "diffRowArea"
        anchors.fill: parent
        onClicked: row.activated()
    }

    Row {
        id: cellRow
        x: 6 * qt_scale
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6 * qt_scale

        Repeater {
            model: row.cells

            TextStyled {
                width: row.widths[index]
                text: modelData
                wrapMode: Text.Wrap
            }
        }

        Row {
            id: actionArea
            spacing: 8 * qt_scale
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Style.borderColor
    }
}
