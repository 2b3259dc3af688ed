import QtQuick 2.15
import "."

// The absolute (body) pitch and roll of the vehicle, each limited, filtered and limited again.
Item {
    id: page

    property var pathControllersManager: null
    property var model: null
    property var workEnvelopeModel: null
    property string unit: ""
    property string graphPrefix: ""

    readonly property var outputTypes: Style.availableOutputFilterTypes
    readonly property var outputTypeNames: Style.availableOutputFilterTypeNames
    readonly property var angleCaptions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
    readonly property real inputLimitWidth: 140 * qt_scale
    // Keeps the output blocks of this page in line with those of the axis pages.
    readonly property real alignmentSpacerWidth: 620 * qt_scale

    function setupGraphNames(prefix) {
        graphPrefix = prefix;
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    KEO_PathConnectionsDrawer {
        objectName: "pitchLine"
        anchors.fill: grid
        connections: [pitchInput, pitchInputLimit, pitchSwitch, pitchOutputFilter, pitchLimit,
            pitchOutput]
    }

    KEO_PathConnectionsDrawer {
        objectName: "rollLine"
        anchors.fill: grid
        connections: [rollInput, rollInputLimit, rollSwitch, rollOutputFilter, rollLimit,
            rollOutput]
    }

    Grid {
        id: grid
        anchors.centerIn: parent
        rows: 2
        columns: 8
        rowSpacing: 14 * qt_scale
        columnSpacing: 12 * qt_scale
        verticalItemAlignment: Grid.AlignVCenter
        horizontalItemAlignment: Grid.AlignHCenter

        KEO_InputRound {
            id: pitchInput
            objectName: "pitchInput"
            text: "Pitch\n" + "[" + page.unit + "]"
        }

        KEO_LimitConfigView {
            id: pitchInputLimit
            objectName: "pitchInputLimit"
            width: page.inputLimitWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueUnit: page.unit
            maxValueEnabled: true
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Pitch channel input limitation")
            model: page.model ? page.model.pitchInputLimitModel : null
            graph.objectName: page.graphPrefix + ".pitch.inLimit"
            graph.title: qsTr("Absolute - Pitch In Limit")
            graph.captions: page.angleCaptions
        }

        KEO_PathController {
            id: pitchSwitch
            objectName: "pitchSwitch"
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.pitchEnabled : true
            pathElements: [pitchOutputFilter, pitchLimit, pitchOutput]
            onToggled: {
                if (page.model)
                    page.model.pitchEnabled = checked;
            }
        }

        Item {
            width: page.alignmentSpacerWidth
            height: 1
        }

        KEO_FilterConfigView {
            id: pitchOutputFilter
            objectName: "pitchOutputFilter"
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.pitchOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".pitch.outputFilter"
            graph.title: qsTr("Absolute - Pitch Lowpass Filter")
            graph.captions: page.angleCaptions
        }

        Item {
            width: Style.circleControlSize
            height: 1
        }

        KEO_LimitConfigView {
            id: pitchLimit
            objectName: "pitchLimit"
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.workEnvelopeModel ? page.workEnvelopeModel.pitch : 0
            maxValueUnit: page.unit
            model: page.model ? page.model.pitchOutputLimitModel : null
            graph.objectName: page.graphPrefix + ".pitch.outputLimit"
            graph.title: qsTr("Absolute - Pitch Output Limit")
            graph.captions: page.angleCaptions
        }

        KEO_OutputRound {
            id: pitchOutput
            objectName: "pitchOutput"
            text: "Partial Pitch\n" + "[" + page.unit + "]"
        }

        KEO_InputRound {
            id: rollInput
            objectName: "rollInput"
            text: "Roll\n" + "[" + page.unit + "]"
        }

        KEO_LimitConfigView {
            id: rollInputLimit
            objectName: "rollInputLimit"
            width: page.inputLimitWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Input limitation")
            maxValueUnit: page.unit
            maxValueEnabled: true
            ilustrationEnabled: true
            ilustrationWindowTitle: qsTr("Roll channel input limitation")
            model: page.model ? page.model.rollInputLimitModel : null
            graph.objectName: page.graphPrefix + ".roll.inLimit"
            graph.title: qsTr("Absolute - Roll In Limit")
            graph.captions: page.angleCaptions
        }

        KEO_PathController {
            id: rollSwitch
            objectName: "rollSwitch"
            manager: page.pathControllersManager
            pathEnabled: page.model ? page.model.rollEnabled : true
            pathElements: [rollOutputFilter, rollLimit, rollOutput]
            onToggled: {
                if (page.model)
                    page.model.rollEnabled = checked;
            }
        }

        KEO_Point {}

        KEO_FilterConfigView {
            id: rollOutputFilter
            objectName: "rollOutputFilter"
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            availableFilterTypes: page.outputTypes
            availableFilterTypeNames: page.outputTypeNames
            model: page.model ? page.model.rollOutputFilterModel : null
            graph.objectName: page.graphPrefix + ".roll.outputFilter"
            graph.title: qsTr("Absolute - Roll Lowpass Filter")
            graph.captions: page.angleCaptions
        }

        KEO_Point {}

        KEO_LimitConfigView {
            id: rollLimit
            objectName: "rollLimit"
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: page.workEnvelopeModel ? page.workEnvelopeModel.roll : 0
            maxValueUnit: page.unit
            model: page.model ? page.model.rollOutputLimitModel : null
            graph.objectName: page.graphPrefix + ".roll.outputLimit"
            graph.title: qsTr("Absolute - Roll Output Limit")
            graph.captions: page.angleCaptions
        }

        KEO_OutputRound {
            id: rollOutput
            objectName: "rollOutput"
            text: "Partial Roll\n" + "[" + page.unit + "]"
        }
    }
}
