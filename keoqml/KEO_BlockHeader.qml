import QtQuick 2.15
import "."

// Title of a block, marked with "*" while its values differ from the saved ones, and the
// optional description beneath it.
Column {
    property string text: ""
    property string description: ""
    property bool isModified: false

    spacing: 0

    TextStyled {
        objectName: "blockTitle"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.bold: true
        font.pixelSize: Style.controlFontHeaderSize
        text: parent.text + (parent.isModified ? "*" : "")
    }

    TextStyled {
        objectName: "blockDescription"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        visible: text !== ""
        font.bold: true
        font.pixelSize: Style.controlFontDescriptionSize
        text: parent.description
    }
}
