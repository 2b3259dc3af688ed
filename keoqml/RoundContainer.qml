import QtQuick 2.15
import "."

Rectangle {
    property alias text: label.text
    property alias textSize: label.font.pixelSize
    property real size: 20 * qt_scale

    width: size
    height: size
    radius: size / 2
    border.color: Style.borderColor

    TextStyled {
        id: label
        anchors.centerIn: parent
        horizontalAlignment: Text.AlignHCenter
    }
}
