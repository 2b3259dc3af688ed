import QtQuick 2.15
import "."

// A panel beside the pages listing values of the edited configuration, one row each. It stays
// open while the user edits, and is driven by keys as well: Up and Down choose a row, Return
// shows the value on its page, the panel's own keys act on the row, Escape closes it.
Rectangle {
    id: panel

    property string title: ""
    property var headings: []
    property var widths: []
    property string emptyText: ""
    property alias model: list.model
    property alias delegate: list.delegate
    property alias currentIndex: list.currentIndex
    property alias list: list
    default property alias actions: actionRow.data

    signal activated(int row)
    // A key the list does not handle itself, for the panel's own actions on the chosen row.
    signal rowKeyPressed(var event)

    function open() {
        visible = true;
        if (list.currentIndex < 0 && list.count > 0)
            list.currentIndex = 0;
        list.forceActiveFocus();
    }

    implicitHeight: top.height + Math.max(list.contentHeight, 40 * qt_scale) + 28 * qt_scale
    visible: false
    color: "white"
    border.color: Style.borderColor
    radius: Style.internalWindowRadius

    // Clicks and wheel turns on the panel never reach the page beneath it.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Column {
        id: top
        x: 8 * qt_scale
        y: 8 * qt_scale
        width: parent.width - 16 * qt_scale
        spacing: 6 * qt_scale

        Item {
            width: parent.width
            height: titleText.implicitHeight

            TextStyled {
                id: titleText
                text: panel.title
                font.bold: true
                font.pixelSize: Style.controlFontHeaderSize
            }

            TextLink {
                objectName: "closePanelLink"
                anchors.right: parent.right
                text: qsTr("Close")
                onClicked: panel.visible = false
            }
        }

        Row {
            id: actionRow
            spacing: 8 * qt_scale
        }

        Row {
            x: 6 * qt_scale
            spacing: 6 * qt_scale

            Repeater {
                model: panel.headings

                TextStyled {
                    width: panel.widths[index]
                    text: modelData
                    font.bold: true
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    ListView {
        id: list
        objectName: "diffList"
        anchors.top: top.bottom
        anchors.topMargin: 4 * qt_scale
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8 * qt_scale
        clip: true
        keyNavigationWraps: false
        boundsBehavior: Flickable.StopAtBounds
        activeFocusOnTab: true
        // Rows come and go while the user edits; rows made ahead of time in the background
        // would be cancelled after they left the model.
        cacheBuffer: 0

        Keys.onReturnPressed: panel.activated(currentIndex)
        Keys.onEnterPressed: panel.activated(currentIndex)
        Keys.onEscapePressed: panel.visible = false
        Keys.onPressed: panel.rowKeyPressed(event)
    }

    TextStyled {
        objectName: "emptyListText"
        anchors.centerIn: list
        visible: panel.model ? panel.model.count === 0 : true
        text: panel.emptyText
    }
}
