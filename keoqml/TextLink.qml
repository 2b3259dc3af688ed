import QtQuick 2.15
import "."

Text {
    id: link

    signal clicked

    color: enabled ? Style.mainBlueColor : Style.textColorDisabled
    font.underline: true
    font.pixelSize: Style.textStyledFontSize

    MouseArea {
        objectName: "textLinkArea"
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: link.clicked()
    }
}
