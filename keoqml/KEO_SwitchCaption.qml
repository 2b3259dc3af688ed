import QtQuick 2.15
import "."

// The note under a path switch naming the algorithm options that also act on the path.
TextStyled {
    anchors.horizontalCenter: parent.horizontalCenter
    anchors.top: parent.bottom
    font.pixelSize: Style.controlFontDescriptionSize
}
