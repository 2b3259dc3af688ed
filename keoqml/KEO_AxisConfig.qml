import QtQuick 2.15
import QtQuick.Layouts 1.15
import GValidator 1.0
import "."

// One axis of the algorithm: the travel path (acceleration integrated to a travel), the
// tilt-coordination path (acceleration turned into a tilt angle) and the angular-velocity path
// (angular rate integrated to an angle).
Item {
    id: page

    property var model: null
    property var pathControllersManager: null
    property bool travelToMixerEnabled: false
    property bool angleToMixerEnabled: false
    property real travelMaxValue: 0
    property real tiltAngleMaxValue: 0
    property real angleMaxValue: 0
    property bool canShowSkipIntegrationPopup: true
    property bool extraTiltG: false
    property bool tiltCoordinationPresent: true
    property bool heaveToPitchFeature: false
    property string additionalPitchFromHeaveUnit: ""
    property string input_accName: ""
    property string input_tiltAccName: ""
    property string input_velocityName: ""
    property string output_travelName: ""
    property string output_angleName: ""
    property bool isCompleted: false
    property string graphPrefix: ""
    property var pendingBypass: null

    readonly property var travelModel: model ? model.travelConfigModel : null
    readonly property var tiltModel: model ? model.tiltCoordinationModel : null
    readonly property var angularModel: model ? model.angularVelocityModel : null
    readonly property var inputTypes: Style.availableInputLimitationTypes
    readonly property var inputTypeNames: Style.availableInputLimitationTypeNames
    readonly property var outputTypes: Style.availableOutputFilterTypes
    readonly property var outputTypeNames: Style.availableOutputFilterTypeNames
    readonly property real inputLimitHeight: 1.1 * Style.blockHeight

    function setupGraphNames(prefix) {
        graphPrefix = prefix;
    }

    function writeBypass(integral, bypassed) {
        if (integral === accToVelocity && travelModel)
            travelModel.bypassAccIntegration = bypassed;
        else if (integral === velocityToTravel && travelModel)
            travelModel.bypassSpeedIntegration = bypassed;
        else if (integral === velocityToAngle && angularModel)
            angularModel.bypassIntegration = bypassed;
    }

    function onBypassToggled(integral, bypassed) {
        writeBypass(integral, bypassed);
        if (isCompleted && canShowSkipIntegrationPopup && bypassed) {
            pendingBypass = integral;
            bypassDialog.open();
        }
    }

    function cancelBypass() {
        if (pendingBypass)
            writeBypass(pendingBypass, false);
        pendingBypass = null;
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight
    enabled: !bypassDialog.visible

    Component.onCompleted: isCompleted = true

    KEO_PathConnectionsDrawer {
        objectName: "travelLine"
        anchors.fill: grid
        connections: [accInput, accInputLimit, travelSwitch, accFilter, accToVelocity,
            velocityFilter, velocityToTravel, travelFilter, travelMixerNode, travelOutputFilter,
            travelLimit, travelOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "tiltLine"
        anchors.fill: grid
        connections: [page.extraTiltG ? tiltInput : accInput, tiltInputLimit, tiltSwitch,
            tiltAccFilter, asinNode, angleRateLimit, tiltOutputFilter, tiltLimit].concat(
                page.heaveToPitchFeature ? [tiltOutput] : [tiltPoint, summation, angleOutput])
    }

    KEO_PathConnectionsDrawer {
        objectName: "angularLine"
        anchors.fill: grid
        connections: [velocityInput, velocityInputLimit, angularSwitch, angularVelocityFilter,
            velocityToAngle, angleFilter, angleMixerNode, angleOutputFilter, angleLimit, summation,
            angleOutput]
    }

    GridLayout {
        id: grid
        anchors.centerIn: parent
        columns: 13
        rows: 4
        rowSpacing: 14 * qt_scale
        columnSpacing: 8 * qt_scale

        // Row 0: the travel path.
        KEO_InputRound {
            id: accInput
            objectName: "accelerationInput"
            Layout.row: 0
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: page.input_accName
        }

        KEO_LimitConfigView {
            id: accInputLimit
            objectName: "accelerationInputLimit"
            Layout.row: 0
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueUnit: "m/s\u00B2"
            maxValueEnabled: true
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Translational channel input limitation")
            model: page.model ? page.model.accelerationInputLimitModel : null
            availableLimitationTypes: page.inputTypes
            availableLimitationTypeNames: page.inputTypeNames
            graph.objectName: page.graphPrefix + ".travel.accelerationLimit"
            graph.title: qsTr("Travel - Acc Limit")
            graph.captions: [qsTr("Input [m/s2]"), qsTr("Output [m/s2]")]
        }

        KEO_PathController {
            id: travelSwitch
            objectName: "travelSwitch"
            Layout.row: 0
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.travelModel ? page.travelModel.enabled : true
            pathElements: [accFilter, accToVelocity, velocityFilter, velocityToTravel, travelFilter,
                travelMixerNode, travelOutputFilter, travelLimit, travelOutput]
            onToggled: {
                if (page.travelModel)
                    page.travelModel.enabled = checked;
            }

            KEO_SwitchCaption {
                text: qsTr("Options\n+ T1\n+ T2\n+ T3\n+ G1\n+ G2")
            }
        }

        KEO_FilterConfigView {
            id: accFilter
            objectName: "travelAccelerationFilter"
            Layout.row: 0
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Acceleration filter")
            description: qsTr("Highpass")
            filterTypeSelectorVisible: false
            model: page.travelModel ? page.travelModel.accelerationFilterModel : null
            graph.objectName: page.graphPrefix + ".travel.accelerationFilter"
            graph.title: qsTr("Travel - Acc Filter")
            graph.captions: [qsTr("Input [m/s2]"), qsTr("Output [m/s2]")]
        }

        KEO_Integral {
            id: accToVelocity
            objectName: "accToVelocityIntegral"
            Layout.row: 0
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            checked: page.travelModel ? page.travelModel.bypassAccIntegration : false
            onBypassToggled: page.onBypassToggled(accToVelocity, bypassed)
            graph.objectName: page.graphPrefix + ".travel.accToVelocity"
            graph.title: qsTr("Travel - Acc To Velocity")
            graph.captions: [qsTr("Input [m/s2]"), qsTr("Delta Output [m/s]")]
        }

        KEO_FilterConfigView {
            id: velocityFilter
            objectName: "travelVelocityFilter"
            Layout.row: 0
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Velocity filter")
            description: qsTr("Highpass")
            filterTypeSelectorVisible: false
            model: page.travelModel ? page.travelModel.velocityFilterModel : null
            graph.objectName: page.graphPrefix + ".travel.velocityFilter"
            graph.title: qsTr("Travel - Velocity Filter")
            graph.captions: [accToVelocity.checked ? qsTr("Input [m/s]") : qsTr("Delta Input [m/s]"),
                qsTr("Output [m/s]")]
        }

        KEO_Integral {
            id: velocityToTravel
            objectName: "velocityToTravelIntegral"
            Layout.row: 0
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            checked: page.travelModel ? page.travelModel.bypassSpeedIntegration : false
            onBypassToggled: page.onBypassToggled(velocityToTravel, bypassed)
            graph.objectName: page.graphPrefix + ".travel.velocityToTravel"
            graph.title: qsTr("Travel - Velocity To Travel")
            graph.captions: [qsTr("Input [m/s]"), qsTr("Delta Output [m]")]
        }

        KEO_FilterConfigView {
            id: travelFilter
            objectName: "travelTravelFilter"
            Layout.row: 0
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Travel filter")
            description: qsTr("Highpass")
            filterTypeSelectorVisible: false
            model: page.travelModel ? page.travelModel.travelFilterModel : null
            graph.objectName: page.graphPrefix + ".travel.travelFilter"
            graph.title: qsTr("Travel - Travel Filter")
            graph.captions: [velocityToTravel.checked ? qsTr("Input [m]") : qsTr("Delta Input [m]"),
                qsTr("Output [m]")]
        }

        KEO_MixerInputNode {
            id: travelMixerNode
            objectName: "travelMixerNode"
            Layout.row: 0
            Layout.column: 8
            Layout.alignment: Qt.AlignCenter
            visible: page.travelToMixerEnabled
        }

        KEO_FilterConfigView {
            id: travelOutputFilter
            objectName: "travelOutputFilter"
            Layout.row: 0
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.travelModel ? page.travelModel.outputTravelFilterModel : null
            graph.objectName: page.graphPrefix + ".outputTravelFilter"
            graph.title: qsTr("Output Travel Filter")
            graph.captions: [qsTr("Input [m]"), qsTr("Output [m]")]
        }

        KEO_LimitConfigView {
            id: travelLimit
            objectName: "travelLimit"
            Layout.row: 0
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.travelMaxValue
            maxValueUnit: "m"
            model: page.travelModel ? page.travelModel.outputTravelLimitationModel : null
            graph.objectName: page.graphPrefix + ".outputTravelLimit"
            graph.title: qsTr("Output Travel Limit")
            graph.captions: [qsTr("Input [m]"), qsTr("Output [m]")]
        }

        KEO_OutputRound {
            id: travelOutput
            objectName: "travelOutput"
            Layout.row: 0
            Layout.column: 12
            Layout.alignment: Qt.AlignCenter
            text: page.output_travelName
        }

        // Row 1: the tilt-coordination path.
        KEO_InputRound {
            id: tiltInput
            objectName: "tiltInput"
            Layout.row: 1
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            visible: page.extraTiltG
            text: page.input_tiltAccName
        }

        KEO_LimitConfigView {
            id: tiltInputLimit
            objectName: "tiltInputLimit"
            Layout.row: 1
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueUnit: "m/s\u00B2"
            maxValueEnabled: true
            maxValueValidator: gValidator
            additionalMaxValueText: qsTr("\nlimited to 1G (asin)")
            additionalMaxValueTextEnabled: true
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Tilt-Coordination channel input limitation")
            model: page.model ? page.model.tiltCoordinationInputLimitModel : null
            availableLimitationTypes: page.inputTypes
            availableLimitationTypeNames: page.inputTypeNames
            graph.objectName: page.graphPrefix + ".tiltCoordination.accelerationLimit"
            graph.title: qsTr("Tilt Coord. - Input Limit")
            graph.captions: [qsTr("Input [m/s2]"), qsTr("Output [m/s2]")]

            GValidator {
                id: gValidator
                decimals: 4
            }
        }

        KEO_PathController {
            id: tiltSwitch
            objectName: "tiltSwitch"
            Layout.row: 1
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            enabled: page.tiltCoordinationPresent
            pathEnabled: page.tiltCoordinationPresent && page.tiltModel ? page.tiltModel.enabled
                                                                        : false
            pathElements: [tiltAccFilter, angleRateLimit, tiltOutputFilter, tiltLimit].concat(
                page.heaveToPitchFeature ? [tiltOutput] : [tiltPoint, summation, angleOutput])
            onToggled: {
                if (page.tiltCoordinationPresent && page.tiltModel)
                    page.tiltModel.enabled = checked;
            }
        }

        KEO_FilterConfigView {
            id: tiltAccFilter
            objectName: "tiltAccelerationFilter"
            Layout.row: 1
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Acceleration filter")
            description: qsTr("Lowpass")
            filterTypeSelectorVisible: false
            model: page.tiltModel ? page.tiltModel.accelerationFilterModel : null
            graph.objectName: page.graphPrefix + ".tiltCoordination.accelerationFilter"
            graph.title: qsTr("Tilt Coord. - Acc Filter")
            graph.captions: [qsTr("Input [m/s2]"), qsTr("Output [m/s2]")]
        }

        KEO_AsinNode {
            id: asinNode
            objectName: "asinNode"
            Layout.row: 1
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            graph.objectName: page.graphPrefix + ".tiltCoordination.accToAngle"
            graph.title: qsTr("Tilt Coord. - Acc To Angle")
        }

        KEO_ValueModelEditor {
            id: angleRateLimit
            objectName: "angleRateLimit"
            Layout.row: 1
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Angle rate limit")
            value_1Text: qsTr("Maximum rate") + " " + "[deg/s]"
            valueModel: page.tiltModel ? page.tiltModel.maximumRateModel : null
            graph.objectName: page.graphPrefix + ".tiltCoordination.angleRateLimit"
            graph.title: qsTr("Tilt Coord. - Angle Rate Limit")
        }

        KEO_FilterConfigView {
            id: tiltOutputFilter
            objectName: "tiltOutputFilter"
            Layout.row: 1
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.tiltModel ? page.tiltModel.outputFilterModel : null
            graph.objectName: page.graphPrefix + ".tiltCoordination.outputFilter"
            graph.title: qsTr("Tilt Coord. - Output Filter")
            graph.captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
        }

        KEO_LimitConfigView {
            id: tiltLimit
            objectName: "tiltLimit"
            Layout.row: 1
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.tiltAngleMaxValue
            maxValueUnit: "deg"
            model: page.tiltModel ? page.tiltModel.outputLimitationModel : null
            graph.objectName: page.graphPrefix + ".tiltCoordination.outputLimit"
            graph.title: qsTr("Tilt Coord. - Output Limit")
            graph.captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
        }

        KEO_Point {
            id: tiltPoint
            objectName: "tiltPoint"
            Layout.row: 1
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
        }

        KEO_OutputRound {
            id: tiltOutput
            objectName: "tiltOutput"
            Layout.row: 1
            Layout.column: 12
            Layout.alignment: Qt.AlignCenter
            visible: page.heaveToPitchFeature
            text: "Partial Pitch\n" + "[" + page.additionalPitchFromHeaveUnit + "]"
        }

        // Row 2: the angular-velocity path.
        KEO_InputRound {
            id: velocityInput
            objectName: "velocityInput"
            Layout.row: 2
            Layout.column: 0
            Layout.alignment: Qt.AlignCenter
            text: page.input_velocityName
        }

        KEO_LimitConfigView {
            id: velocityInputLimit
            objectName: "angularRateInputLimit"
            Layout.row: 2
            Layout.column: 1
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.scaleFactorWidth
            Layout.preferredHeight: Math.max(page.inputLimitHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueUnit: "deg/s"
            maxValueEnabled: true
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Rotational channel input limitation")
            model: page.model ? page.model.angularRateInputLimitModel : null
            availableLimitationTypes: page.inputTypes
            availableLimitationTypeNames: page.inputTypeNames
            graph.objectName: page.graphPrefix + ".angularVelocity.inputLimit"
            graph.title: qsTr("Angular Vel. - Input Limit")
            graph.captions: [qsTr("Input [deg/s]"), qsTr("Output [deg/s]")]
        }

        KEO_PathController {
            id: angularSwitch
            objectName: "angularSwitch"
            Layout.row: 2
            Layout.column: 2
            Layout.alignment: Qt.AlignCenter
            manager: page.pathControllersManager
            pathEnabled: page.angularModel ? page.angularModel.enabled : true
            pathElements: [angularVelocityFilter, velocityToAngle, angleFilter, angleMixerNode,
                angleOutputFilter, angleLimit, summation, angleOutput]
            onToggled: {
                if (page.angularModel)
                    page.angularModel.enabled = checked;
            }

            KEO_SwitchCaption {
                text: qsTr("Options\n+ V1\n+ V2\n+ V3")
            }
        }

        KEO_FilterConfigView {
            id: angularVelocityFilter
            objectName: "angularVelocityFilter"
            Layout.row: 2
            Layout.column: 3
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Angular velocity filter")
            description: qsTr("Highpass")
            filterTypeSelectorVisible: false
            model: page.angularModel ? page.angularModel.velocityFilterModel : null
            graph.objectName: page.graphPrefix + ".angularVelocity.velocityFilter"
            graph.title: qsTr("Angular Vel. - Velocity Filter")
            graph.captions: [qsTr("Input [deg/s]"), qsTr("Output [deg/s]")]
        }

        KEO_Integral {
            id: velocityToAngle
            objectName: "velocityToAngleIntegral"
            Layout.row: 2
            Layout.column: 4
            Layout.alignment: Qt.AlignCenter
            checked: page.angularModel ? page.angularModel.bypassIntegration : false
            onBypassToggled: page.onBypassToggled(velocityToAngle, bypassed)
            graph.objectName: page.graphPrefix + ".angularVelocity.velocityToAngle"
            graph.title: qsTr("Angular Vel. - Velocity To Angle")
            graph.captions: [qsTr("Input [deg/s]"), qsTr("Delta Output [deg]"), qsTr("Delta Tims [s]")]
        }

        KEO_FilterConfigView {
            id: angleFilter
            objectName: "angleFilter"
            Layout.row: 2
            Layout.column: 5
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Angle filter")
            description: qsTr("Highpass")
            filterTypeSelectorVisible: false
            model: page.angularModel ? page.angularModel.angleFilterModel : null
            graph.objectName: page.graphPrefix + ".angularVelocity.angleFilter"
            graph.title: qsTr("Angular Vel. - Angle Filter")
            graph.captions: [velocityToAngle.checked ? qsTr("Input [deg]") : qsTr("Delta Input [deg]"),
                qsTr("Output [deg]")]
        }

        KEO_MixerInputNode {
            id: angleMixerNode
            objectName: "angleMixerNode"
            Layout.row: 2
            Layout.column: 6
            Layout.alignment: Qt.AlignCenter
            visible: page.angleToMixerEnabled
        }

        KEO_FilterConfigView {
            id: angleOutputFilter
            objectName: "angleOutputFilter"
            Layout.row: 2
            Layout.column: 7
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.angularModel ? page.angularModel.outputAngleFilterModel : null
            graph.objectName: page.graphPrefix + ".angularVelocity.outputAngleFilter"
            graph.title: qsTr("Angular Vel. - Output Angle Filter")
            graph.captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
        }

        KEO_LimitConfigView {
            id: angleLimit
            objectName: "angleLimit"
            Layout.row: 2
            Layout.column: 9
            Layout.alignment: Qt.AlignCenter
            Layout.preferredWidth: Style.blockWidth
            Layout.preferredHeight: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.angleMaxValue
            maxValueUnit: "deg"
            model: page.angularModel ? page.angularModel.outputAngleLimitationModel : null
            graph.objectName: page.graphPrefix + ".angularVelocity.outputAngleLimit"
            graph.title: qsTr("Angular Vel. - Output Angle Limit")
            graph.captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
        }

        RoundContainer {
            id: summation
            objectName: "summation"
            Layout.row: 2
            Layout.column: 11
            Layout.alignment: Qt.AlignCenter
            size: Style.circleControlSize
            opacity: page.heaveToPitchFeature ? 0 : 1
            text: "+"
            textSize: 12 * qt_scale
        }

        KEO_OutputRound {
            id: angleOutput
            objectName: "angleOutput"
            Layout.row: 2
            Layout.column: 12
            Layout.alignment: Qt.AlignCenter
            text: page.output_angleName
        }
    }

    DialogView {
        id: bypassDialog
        objectName: "bypassDialog"
        parentItem: page
        width: 450 * qt_scale
        height: 150 * qt_scale
        textSize: 14 * qt_scale
        text: qsTr("Bypassing integration may result in unstable and unpredicted platform movement. ")
              + qsTr("In the worst scenario machine may reach end of the work envelope and stop. Are you sure you want to continue?")
        firstButtonText: qsTr("Yes")
        dismissButtonText: qsTr("Cancel")
        onDismissed: page.cancelBypass()
        onFirstButtonClicked: page.pendingBypass = null
    }
}
