import QtQuick 2.15
import "."

// The round where a diagram hands its result on.
RoundContainer {
    size: Style.inputOutputSize
    color: Style.outputRoundContainerAlternativeColor
    border.width: Style.inputOutputBorderSize
    textSize: Style.controlFontDescriptionSize
}
