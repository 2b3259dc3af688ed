import QtQuick 2.15
import QtQuick.Layouts 1.15
import "."

// Understeer: the difference between the turning curve the driver intends (front wheels) and the
// one the vehicle follows (yaw rate over speed and wheel base) drives a yaw, a sway around a
// pivot point and a roll.
Item {
    id: page

    property var model: null
    property var workEnvelopeModel: null
    property var pathControllersManager: null
    property real dampeningWidth: 90
    property string graphPrefix: ""

    readonly property var outputTypes: Style.availableOutputFilterTypes
    readonly property var outputTypeNames: Style.availableOutputFilterTypeNames
    readonly property var envelope: workEnvelopeModel
    readonly property var degCaptions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
    readonly property real dampeningHeight: 170 * qt_scale
    // Junctions of the lines keep their size whatever the scale.
    readonly property real junctionSize: 20
    readonly property real roundSize: 48 * qt_scale

    function setupGraphNames(prefix) {
        graphPrefix = prefix;
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    KEO_PathConnectionsDrawer {
        objectName: "yawLine"
        anchors.fill: grid
        connections: [wheelsInput, intendedDampening, intendedFilter, difference, rateLimit,
            yawJunction, yawSwitch, yawOutputFilter, yawLimit, yawOutputPoint, yawOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "swayLine"
        anchors.fill: grid
        connections: [yawOutputPoint, switchJunction, pivotPoint, swayOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "speedLine"
        anchors.fill: grid
        connections: [speedInput, speedPoint, wheelBaseArea]
    }

    KEO_PathConnectionsDrawer {
        objectName: "actualTurningCurveLine"
        anchors.fill: grid
        connections: [actualFilter, differencePoint, difference]
        arrowPairs: [[differencePoint, difference]]
    }

    KEO_PathConnectionsDrawer {
        objectName: "yawRateLine"
        anchors.fill: grid
        connections: [yawRateInput, yawRateFilter, wheelBaseArea, actualDampening, actualFilter]
    }

    KEO_PathConnectionsDrawer {
        objectName: "rollLine"
        anchors.fill: grid
        connections: [yawJunction, rollSwitch, rollOutputFilter, rollLimit, rollOutputPoint,
            rollOutput]
    }

    GridLayout {
        id: grid
        anchors.centerIn: parent
        columns: 15
        rows: 4
        rowSpacing: 14 * qt_scale
        columnSpacing: 12 * qt_scale

        // Row 0: the intended turning curve, the difference and the yaw output.
        KEO_InputRound {
            id: wheelsInput
            objectName: "frontWheelsInput"
            Layout.row: 0
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Front\nwheels angle\n[deg]")
        }

        KEO_UndersteerDampening {
            id: intendedDampening
            objectName: "intendedDampening"
            Layout.row: 0
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.dampeningWidth * qt_scale
            Layout.preferredHeight: page.dampeningHeight
        }

        KEO_FilterConfigView {
            id: intendedFilter
            objectName: "intendedTurningCurveFilter"
            Layout.row: 0
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Lowpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.intendedTurningCurveFilterModel : null
            graph.objectName: page.graphPrefix + ".intendedTurningCurveLowpassFilter"
            graph.title: qsTr("Front wheels angle dampened - Lowpass Filter")
            graph.captions: page.degCaptions
        }

        Item {
            objectName: "intendedTurningCurveLabel"
            Layout.row: 0
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: 120 * qt_scale
            Layout.preferredHeight: 40 * qt_scale

            TextStyled {
                anchors.top: parent.top
                anchors.horizontalCenter: parent.horizontalCenter
                font.pixelSize: Style.controlFontHeaderSize
                text: qsTr("Intended turning curve")
            }
        }

        RoundContainer {
            id: difference
            objectName: "differenceCircle"
            Layout.row: 0
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            size: Style.circleControlSize
            text: "\u2212"
            textSize: Style.controlFontHeaderSize
        }

        KEO_ValueModelEditor {
            id: rateLimit
            objectName: "deltaTurningCurveRateLimit"
            Layout.row: 0
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Rate limit")
            value_1Text: qsTr("Maximum rate") + " " + "[deg/s]"
            valueModel: page.model ? page.model.deltaTurningCurveMaximumRateModel : null
            graph.objectName: page.graphPrefix + ".deltaTurningCurveRateLimit"
            graph.title: qsTr("Understeer - Angle Rate Limit")
            graph.captions: [qsTr("Input [deg]"), qsTr("Output [deg]"),
                qsTr("Intended turning curve")]
        }

        KEO_Point {
            id: yawJunction
            Layout.row: 0
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        KEO_PathController {
            id: yawSwitch
            objectName: "toYawSwitch"
            Layout.row: 0
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.toYawEnabled : true
            pathElements: [yawOutputFilter, yawLimit, yawOutput, pivotPoint, swayOutput]
            onToggled: {
                if (page.model)
                    page.model.toYawEnabled = checked;
            }
        }

        KEO_FilterConfigView {
            id: yawOutputFilter
            objectName: "toYawOutputFilter"
            Layout.row: 0
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.toYawOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".toYawOutputFilter"
            graph.title: qsTr("Understeer - Yaw Output Filter")
            graph.captions: page.degCaptions
        }

        KEO_LimitConfigView {
            id: yawLimit
            objectName: "toYawLimit"
            Layout.row: 0
            Layout.column: 12
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.envelope ? page.envelope.yaw : 0
            maxValueUnit: "deg"
            model: page.model ? page.model.toYawOutputLimitationModel : null
            graph.objectName: page.graphPrefix + ".toYawOutputLimitation"
            graph.title: qsTr("Understeer - Yaw Output Limit")
            graph.captions: page.degCaptions
        }

        KEO_Point {
            id: yawOutputPoint
            Layout.row: 0
            Layout.column: 13
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        KEO_OutputRound {
            id: yawOutput
            objectName: "yawOutput"
            Layout.row: 0
            Layout.column: 14
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Partial Yaw\n[deg]")
        }

        // Row 1: the junction where the sway branch turns towards the pivot point.
        KEO_Point {
            id: switchJunction
            Layout.row: 1
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        // Row 2: the speed and the sway around the pivot point.
        KEO_InputRound {
            id: speedInput
            objectName: "speedInput"
            Layout.row: 2
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Speed\n[m/s]")
        }

        KEO_Point {
            id: speedPoint
            Layout.row: 2
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        KEO_Point {
            id: differencePoint
            Layout.row: 2
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        KEO_ValueModelEditor {
            id: pivotPoint
            objectName: "pivotPoint"
            Layout.row: 2
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Pivot point")
            value_1Text: qsTr("Forward offset [m]")
            valueModel: page.model ? page.model.pivotPointLongitudinalModel : null
            graph.objectName: page.graphPrefix + ".pivotPointLongitudinalOffset"
            graph.title: qsTr("Understeer - Partial Sway Output")
        }

        KEO_OutputRound {
            id: swayOutput
            objectName: "swayOutput"
            Layout.row: 2
            Layout.column: 14
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Partial Sway\n[m]")
        }

        // Row 3: the actual turning curve from the yaw rate, and the roll output.
        KEO_InputRound {
            id: yawRateInput
            objectName: "yawRateInput"
            Layout.row: 3
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Yaw rate\n[deg/s]")
        }

        KEO_FilterConfigView {
            id: yawRateFilter
            objectName: "yawRateFilter"
            Layout.row: 3
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Lowpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.yawRateFilterModel : null
            graph.objectName: page.graphPrefix + ".yawRateLowpassFilter"
            graph.title: qsTr("Understeer - Yaw Rate Lowpass Filter")
            graph.captions: [qsTr("Input [deg/s]"), qsTr("Output [deg/s]")]
        }

        Item {
            id: wheelBaseArea
            objectName: "wheelBaseArea"
            Layout.row: 3
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: 100 * qt_scale
            Layout.preferredHeight: page.dampeningHeight

            KEO_PathConnectionsDrawer {
                anchors.fill: parent
                connections: [wheelBaseRound, curveCircle]
                arrowPairs: [[wheelBaseRound, curveCircle]]
            }

            RoundContainer {
                id: curveCircle
                objectName: "turningCurveCircle"
                anchors.centerIn: parent
                size: Style.circleControlSize
                text: "\u2A0d(...)"
                textSize: 10 * qt_scale
            }

            RoundContainer {
                id: wheelBaseRound
                objectName: "wheelBaseRound"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                size: page.roundSize
                color: "plum"
                text: qsTr("Wheel\nbase")
                textSize: Style.controlFontDescriptionSize
            }
        }

        KEO_UndersteerDampening {
            id: actualDampening
            objectName: "actualDampening"
            Layout.row: 3
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.dampeningWidth * qt_scale
            Layout.preferredHeight: page.dampeningHeight
        }

        KEO_FilterConfigView {
            id: actualFilter
            objectName: "actualTurningCurveFilter"
            Layout.row: 3
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Lowpass filter")
            filterTypeSelectorVisible: false
            model: page.model ? page.model.actualTurningCurveFilterModel : null
            graph.objectName: page.graphPrefix + ".actualTurningCurveLowpassFilter"
            graph.title: qsTr("Actual Turning Curve - Lowpass Filter")
            graph.captions: page.degCaptions
        }

        KEO_PathController {
            id: rollSwitch
            objectName: "toRollSwitch"
            Layout.row: 3
            Layout.column: 10
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.toRollEnabled : true
            pathElements: [rollOutputFilter, rollLimit, rollOutput]
            onToggled: {
                if (page.model)
                    page.model.toRollEnabled = checked;
            }
        }

        KEO_FilterConfigView {
            id: rollOutputFilter
            objectName: "toRollOutputFilter"
            Layout.row: 3
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.toRollOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".toRollOutputFilter"
            graph.title: qsTr("Understeer - Roll Output Filter")
            graph.captions: page.degCaptions
        }

        KEO_LimitConfigView {
            id: rollLimit
            objectName: "toRollLimit"
            Layout.row: 3
            Layout.column: 12
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.envelope ? page.envelope.roll : 0
            maxValueUnit: "deg"
            model: page.model ? page.model.toRollOutputLimitationModel : null
            graph.objectName: page.graphPrefix + ".toRollOutputLimitation"
            graph.title: qsTr("Understeer - Roll Output Limit")
            graph.captions: page.degCaptions
        }

        KEO_Point {
            id: rollOutputPoint
            Layout.row: 3
            Layout.column: 13
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: page.junctionSize
            Layout.preferredHeight: page.junctionSize
        }

        KEO_OutputRound {
            id: rollOutput
            objectName: "rollOutput"
            Layout.row: 3
            Layout.column: 14
            Layout.alignment: Qt.AlignCenter
            text: qsTr("Partial Roll\n[deg]")
        }
    }

    // The actual turning curve names the line that rises from the roll row into the difference.
    Item {
        objectName: "actualTurningCurveStrip"
        x: grid.x + difference.x + difference.width / 2 - width
        y: grid.y + difference.y + difference.height
        width: 30 * qt_scale
        height: differencePoint.y + differencePoint.height / 2 - difference.y - difference.height

        TextStyled {
            anchors.centerIn: parent
            rotation: -90
            font.pixelSize: Style.controlFontDescriptionSize
            text: qsTr("Actual turning curve")
        }
    }
}
