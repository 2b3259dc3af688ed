pragma Singleton
import QtQuick 2.15
import KEOFilterType 1.0
import KEOLimitationType 1.0

QtObject {
    readonly property color mainBlueColor: "#189FDB"
    readonly property color mainBlueDarkColor: "#057AAD"

    readonly property color textColor: "slategray"
    readonly property color textColorDisabled: "lightgrey"
    readonly property color textLinkColor: mainBlueColor
    readonly property color textTabColor: "slategray"
    readonly property color borderColor: "lightgrey"
    readonly property color controlBorderEnabled: "#bdbebf"
    readonly property color controlBorderDisabled: "lightgrey"
    readonly property color buttonColor: "whitesmoke"
    readonly property color radioButtonDownColor: mainBlueColor
    readonly property color radioButtonNormalColor: "slategrey"
    readonly property color buttonHoveredColor: mainBlueColor
    readonly property color buttonPressed: mainBlueDarkColor

    readonly property int controlHeight: 25 * qt_scale
    readonly property real textStyledFontSize: 12 * qt_scale
    readonly property real textButtonFontSize: 12 * qt_scale
    readonly property real controlFontHeaderSize: 12 * qt_scale
    readonly property real controlFontDescriptionSize: 10.5 * qt_scale
    readonly property int blockWidth: 150 * qt_scale
    readonly property int blockHeight: 205 * qt_scale
    readonly property int styledControlImplicitWidth: 75 * qt_scale
    readonly property real comparisonPrecision: 0.001
    readonly property int graphPathControllerMargin: 15 * qt_scale
    readonly property real graphHeight: 35 * qt_scale
    readonly property int inputOutputSize: 80 * qt_scale
    readonly property color inputRoundContainerColor: "#FFF4D6"
    readonly property color outputRoundContainerColor: "#FFF4D6"
    readonly property color outputRoundContainerAlternativeColor: "#FFC599"
    readonly property color totalLimitedRoundContainerColor: "#02e1ff"
    readonly property color mixerRoundContainerColor: "#caf9d8"
    readonly property int inputOutputBorderSize: 2 * qt_scale
    readonly property int circleControlSize: 40 * qt_scale
    readonly property int scaleFactorWidth: 140 * qt_scale
    readonly property int buttonRadius: Math.round(4 * qt_scale)
    readonly property int controlRadius: Math.round(4 * qt_scale)
    readonly property int internalWindowRadius: Math.round(8 * qt_scale)
    readonly property int checkboxImplicitSize: 25 * qt_scale

    readonly property var availableFilterTypes: [KEOFilterType.None, KEOFilterType.HighPass,
        KEOFilterType.LowPass]
    readonly property var availableFilterTypeNames: [qsTr("None"), qsTr("High pass"),
        qsTr("Low pass")]
    readonly property var availableOutputFilterTypes: [KEOFilterType.None, KEOFilterType.LowPass]
    readonly property var availableOutputFilterTypeNames: [qsTr("None"), qsTr("Low pass")]
    readonly property var availableInputLimitationTypes: [KEOLimitationType.None,
        KEOLimitationType.Logistic]
    readonly property var availableInputLimitationTypeNames: [qsTr("None"),
        qsTr("Logistic (Sigmoid)")]
}
