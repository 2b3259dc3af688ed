import QtQuick 2.15
import QtQuick.Layouts 1.15
import "."

// The enhancer: road harshness added to the heave, and the vehicle's sideslip turned into yaw,
// roll and a sway around a pivot point.
Item {
    id: page

    property var model: null
    property var workEnvelopeModel: null
    property var pathControllersManager: null
    property string angleUnit: ""
    property string graphPrefix: ""

    readonly property var inputTypes: Style.availableInputLimitationTypes
    readonly property var inputTypeNames: Style.availableInputLimitationTypeNames
    readonly property var outputTypes: Style.availableOutputFilterTypes
    readonly property var outputTypeNames: Style.availableOutputFilterTypeNames
    readonly property var envelope: workEnvelopeModel
    readonly property var plainCaptions: [qsTr("Input"), qsTr("Output")]
    readonly property var sideCaptions: [qsTr("Input (L)"), qsTr("Output (L)"), qsTr("Input (R)"),
        qsTr("Output (R)")]
    readonly property real inputLimitHeight: 1.1 * Style.blockHeight
    readonly property string rateLabel: qsTr("Maximum rate") + " " + "[deg/s]"
    // The road-harshness output keeps its distance from the limit whatever the scale.
    readonly property real harshnessSpacerWidth: 100
    readonly property real yawPointWidth: 200 * qt_scale

    function setupGraphNames(prefix) {
        graphPrefix = prefix;
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    KEO_PathConnectionsDrawer {
        objectName: "roadHarshnessLine"
        anchors.fill: grid
        connections: [harshnessInput, harshnessInputLimit, harshnessSwitch, harshnessHighpass,
            harshnessMixerNode, harshnessOutputFilter, harshnessLimit, harshnessSpacer,
            harshnessOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "sideslipToYawLine"
        anchors.fill: grid
        connections: [sideslipInput, yawInputLimit, yawSwitch, yawOutputFilter, yawLimit,
            yawPoint, yawOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "sideslipToRollLine"
        anchors.fill: grid
        connections: [sideslipInput, rollInputLimit, rollSwitch, rollRateLimit, rollHighpass,
            rollOutputFilter, rollLimit, rollOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "sideslipToSwayLine"
        anchors.fill: grid
        connections: [yawPoint, pivotPoint, swayOutput]
    }

    GridLayout {
        id: grid
        anchors.centerIn: parent
        columns: 12
        rows: 4
        rowSpacing: 14 * qt_scale
        columnSpacing: 12 * qt_scale

        // Row 0: road harshness to heave.
        KEO_InputRound {
            id: harshnessInput
            objectName: "roadHarshnessInput"
            Layout.row: 0
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Road\nharshness\nLeft/Right\n[m]")
        }

        KEO_LimitConfigView {
            id: harshnessInputLimit
            objectName: "roadHarshnessInputLimit"
            Layout.row: 0
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueEnabled: true
            maxValueUnit: "m"
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Input limitation")
            model: page.model ? page.model.roadHarshnessToHeaveInputLimitModel : null
            graph.objectName: page.graphPrefix + ".roadHarshnessToHeave.inLimit"
            graph.title: qsTr("Road Harshness - In Limit")
            graph.captions: page.sideCaptions
        }

        KEO_PathController {
            id: harshnessSwitch
            objectName: "roadHarshnessSwitch"
            Layout.row: 0
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.roadHarshnessEnabled : true
            pathElements: [harshnessHighpass, harshnessMixerNode, harshnessOutputFilter,
                harshnessLimit, harshnessOutput]
            onToggled: {
                if (page.model)
                    page.model.roadHarshnessEnabled = checked;
            }
        }

        KEO_FilterConfigView {
            id: harshnessHighpass
            objectName: "roadHarshnessHighpassFilter"
            Layout.row: 0
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Highpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.roadHarshnessToHeaveHighpassFilterModel : null
            graph.objectName: page.graphPrefix + ".roadHarshnessToHeave.highpassFilter"
            graph.title: qsTr("Road Harshness - Highpass Filter")
            graph.captions: page.sideCaptions
        }

        KEO_MixerInputNode {
            id: harshnessMixerNode
            objectName: "roadHarshnessMixerNode"
            Layout.row: 0
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Style.blockHeight
        }

        KEO_FilterConfigView {
            id: harshnessOutputFilter
            objectName: "roadHarshnessOutputFilter"
            Layout.row: 0
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.roadHarshnessToHeaveOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".roadHarshnessToHeave.outputFilter"
            graph.title: qsTr("Road Harshness - Lowpass Filter")
            graph.captions: page.sideCaptions
        }

        KEO_LimitConfigView {
            id: harshnessLimit
            objectName: "roadHarshnessLimit"
            Layout.row: 0
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.envelope ? page.envelope.heave : 0
            maxValueUnit: "m"
            model: page.model ? page.model.roadHarshnessToHeaveOutputLimitationModel : null
            graph.objectName: page.graphPrefix + ".roadHarshnessToHeave.outputLimit"
            graph.title: qsTr("Road Harshness - Output Limit")
            graph.captions: page.sideCaptions
        }

        KEO_Point {
            id: harshnessSpacer
            Layout.row: 0
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.harshnessSpacerWidth
        }

        KEO_OutputRound {
            id: harshnessOutput
            objectName: "roadHarshnessOutput"
            Layout.row: 0
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Partial\nHeave\nLeft/Right\n[m]")
        }

        // Row 1: sideslip to yaw.
        KEO_InputRound {
            id: sideslipInput
            objectName: "sideslipInput"
            Layout.row: 1
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Sideslip\n[deg]")
        }

        KEO_LimitConfigView {
            id: yawInputLimit
            objectName: "sideslipToYawInputLimit"
            Layout.row: 1
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueEnabled: true
            maxValueUnit: "deg"
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Input limitation")
            model: page.model ? page.model.sideslipToYawInputLimitModel : null
            availableLimitationTypes: page.inputTypes
            availableLimitationTypeNames: page.inputTypeNames
            graph.objectName: page.graphPrefix + ".sideslipToYaw.inLimit"
            graph.title: qsTr("Sideslip Yaw - In Limit")
            graph.captions: page.plainCaptions
        }

        KEO_PathController {
            id: yawSwitch
            objectName: "sideslipToYawSwitch"
            Layout.row: 1
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.sideslipToYawEnabled : true
            pathElements: [yawRateLimit, yawHighpass, yawOutputFilter, yawLimit, yawOutput,
                pivotPoint, swayOutput]
            onToggled: {
                if (page.model)
                    page.model.sideslipToYawEnabled = checked;
            }
        }

        KEO_ValueModelEditor {
            id: yawRateLimit
            objectName: "sideslipToYawRateLimit"
            Layout.row: 1
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Rate limit")
            value_1Text: page.rateLabel
            valueModel: page.model ? page.model.sideslipToYawMaximumRateModel : null
            graph.objectName: page.graphPrefix + ".sideslipToYaw.maximumRate"
            graph.title: qsTr("Sideslip Yaw - Maximum Rate")
        }

        KEO_FilterConfigView {
            id: yawHighpass
            objectName: "sideslipToYawHighpassFilter"
            Layout.row: 1
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Highpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.sideslipToYawHighpassFilterModel : null
            graph.objectName: page.graphPrefix + ".sideslipToYaw.highpassFilter"
            graph.title: qsTr("Sideslip Yaw - Highpass Filter")
            graph.captions: page.sideCaptions
        }

        KEO_FilterConfigView {
            id: yawOutputFilter
            objectName: "sideslipToYawOutputFilter"
            Layout.row: 1
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.sideslipToYawOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".sideslipToYaw.outputFilter"
            graph.title: qsTr("Sideslip Yaw - Lowpass Filter")
            graph.captions: page.plainCaptions
        }

        KEO_LimitConfigView {
            id: yawLimit
            objectName: "sideslipToYawLimit"
            Layout.row: 1
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.envelope ? page.envelope.yaw : 0
            maxValueUnit: page.angleUnit
            model: page.model ? page.model.sideslipToYawOutputLimitationModel : null
            graph.objectName: page.graphPrefix + ".sideslipToYaw.outputLimit"
            graph.title: qsTr("Sideslip Yaw - Output Limit")
            graph.captions: page.plainCaptions
        }

        KEO_Point {
            id: yawPoint
            objectName: "sideslipToYawPoint"
            Layout.row: 1
            Layout.column: 8
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.yawPointWidth
        }

        KEO_OutputRound {
            id: yawOutput
            objectName: "sideslipToYawOutput"
            Layout.row: 1
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            text: "Partial Yaw\n" + "[" + page.angleUnit + "]"
        }

        // Row 2: sideslip to roll, and the sway around the pivot point.
        KEO_LimitConfigView {
            id: rollInputLimit
            objectName: "sideslipToRollInputLimit"
            Layout.row: 2
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueEnabled: true
            maxValueUnit: "deg"
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Input limitation")
            model: page.model ? page.model.sideslipToRollInputLimitModel : null
            availableLimitationTypes: page.inputTypes
            availableLimitationTypeNames: page.inputTypeNames
            graph.objectName: page.graphPrefix + ".sideslipToRoll.inLimit"
            graph.title: qsTr("Sideslip Roll - In Limit")
            graph.captions: page.plainCaptions
        }

        KEO_PathController {
            id: rollSwitch
            objectName: "sideslipToRollSwitch"
            Layout.row: 2
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.sideslipToRollEnabled : true
            pathElements: [rollRateLimit, rollHighpass, rollOutputFilter, rollLimit, rollOutput]
            onToggled: {
                if (page.model)
                    page.model.sideslipToRollEnabled = checked;
            }
        }

        KEO_ValueModelEditor {
            id: rollRateLimit
            objectName: "sideslipToRollRateLimit"
            Layout.row: 2
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Rate limit")
            value_1Text: page.rateLabel
            valueModel: page.model ? page.model.sideslipToRollMaximumRateModel : null
            graph.objectName: page.graphPrefix + ".sideslipToRoll.maximumRate"
            graph.title: qsTr("Sideslip Roll - Maximum Rate")
        }

        KEO_FilterConfigView {
            id: rollHighpass
            objectName: "sideslipToRollHighpassFilter"
            Layout.row: 2
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Highpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.sideslipToRollHighpassFilterModel : null
            graph.objectName: page.graphPrefix + ".sideslipToRoll.highpassFilter"
            graph.title: qsTr("Sideslip Roll - Highpass Filter")
            graph.captions: page.sideCaptions
        }

        KEO_FilterConfigView {
            id: rollOutputFilter
            objectName: "sideslipToRollOutputFilter"
            Layout.row: 2
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.sideslipToRollOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".sideslipToRoll.outputFilter"
            graph.title: qsTr("Sideslip Roll - Lowpass Filter")
            graph.captions: page.plainCaptions
        }

        KEO_LimitConfigView {
            id: rollLimit
            objectName: "sideslipToRollLimit"
            Layout.row: 2
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.envelope ? page.envelope.roll : 0
            maxValueUnit: page.angleUnit
            model: page.model ? page.model.sideslipToRollOutputLimitationModel : null
            graph.objectName: page.graphPrefix + ".sideslipToRoll.outputLimit"
            graph.title: qsTr("Sideslip Roll - Output Limit")
            graph.captions: page.plainCaptions
        }

        // Sits at the left of its wide column, so the sway branch that comes down the middle of
        // the column passes beside it.
        KEO_OutputRound {
            id: rollOutput
            objectName: "sideslipToRollOutput"
            Layout.row: 2
            Layout.column: 8
            Layout.alignment: Qt.AlignLeft | Qt.AlignVCenter
            text: "Partial Roll\n" + "[" + page.angleUnit + "]"
        }

        KEO_ValueModelEditor {
            id: pivotPoint
            objectName: "sideslipPivotPoint"
            Layout.row: 2
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Pivot point")
            value_1Text: qsTr("Forward offset [m]")
            valueModel: page.model ? page.model.sideslipPivotPointLongitudinalModel : null
            graph.objectName: page.graphPrefix + ".sideslipToSway"
            graph.title: qsTr("Sideslip - Partial Sway Output")
            graph.captions: page.plainCaptions
        }

        KEO_OutputRound {
            id: swayOutput
            objectName: "sideslipSwayOutput"
            Layout.row: 2
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            text: "Partial Sway\n[m]"
        }
    }
}
