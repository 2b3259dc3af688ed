import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

Popup {
    id: popup

    property alias text: message.text
    property alias textSize: message.font.pixelSize
    property string firstButtonText: ""
    property bool firstButtonVisible: firstButtonText !== ""
    property string secondButtonText: ""
    property bool secondButtonVisible: secondButtonText !== ""
    property string dismissButtonText: qsTr("Cancel")
    property bool dismissButtonVisible: true
    property Item parentItem: null

    signal firstButtonClicked
    signal secondButtonClicked
    signal dismissed

    parent: parentItem
    anchors.centerIn: parent
    implicitWidth: 450 * qt_scale
    implicitHeight: 150 * qt_scale
    padding: 0
    modal: true
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape
    background: null

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: 200 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: 200 }
    }

    contentItem: Rectangle {
        color: "white"
        border.color: "lightGray"

        Text {
            id: message
            objectName: "dialogMessage"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.topMargin: 20 * qt_scale
            anchors.leftMargin: 16 * qt_scale
            anchors.rightMargin: 16 * qt_scale
            wrapMode: Text.WordWrap
            color: Style.textColor
            font.pixelSize: Style.textStyledFontSize
        }

        Row {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 8 * qt_scale
            anchors.bottomMargin: 16 * qt_scale
            spacing: 8 * qt_scale

            TextButton {
                objectName: "dialogFirstButton"
                width: 100 * qt_scale
                height: 30 * qt_scale
                text: popup.firstButtonText
                visible: popup.firstButtonVisible
                onClicked: {
                    popup.close();
                    popup.firstButtonClicked();
                }
            }

            TextButton {
                objectName: "dialogSecondButton"
                width: 100 * qt_scale
                height: 30 * qt_scale
                text: popup.secondButtonText
                visible: popup.secondButtonVisible
                onClicked: {
                    popup.close();
                    popup.secondButtonClicked();
                }
            }

            TextButton {
                objectName: "dialogDismissButton"
                width: 100 * qt_scale
                height: 30 * qt_scale
                text: popup.dismissButtonText
                visible: popup.dismissButtonVisible
                onClicked: {
                    popup.close();
                    popup.dismissed();
                }
            }
        }
    }
}
