import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

AbstractButton {
    id: control

    property color defaultColor: Style.buttonColor
    property color textColor: Style.textTabColor
    readonly property bool highlightedLook: hovered || checked

    hoverEnabled: true
    padding: 8 * qt_scale

    background: Rectangle {
        objectName: "textButtonBackground"
        color: !control.enabled ? control.defaultColor
             : control.pressed ? Style.buttonPressed
             : control.highlightedLook ? Style.buttonHoveredColor
             : control.defaultColor

        Behavior on color {
            ColorAnimation { duration: 200 }
        }
    }

    contentItem: Text {
        objectName: "textButtonLabel"
        text: control.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        font.bold: true
        font.pixelSize: Style.textButtonFontSize
        color: !control.enabled ? Style.textColorDisabled
             : (control.pressed || control.highlightedLook) ? "white"
             : control.textColor
    }
}
