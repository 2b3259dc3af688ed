import QtQuick 2.15
import "."

// The round where a signal enters a diagram.
RoundContainer {
    size: Style.inputOutputSize
    color: Style.inputRoundContainerColor
    border.width: Style.inputOutputBorderSize
    textSize: Style.controlFontDescriptionSize
}
