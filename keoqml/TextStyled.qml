import QtQuick 2.15
import "."

Text {
    color: enabled ? Style.textColor : Style.textColorDisabled
    font.pixelSize: Style.textStyledFontSize
}
