import QtQuick 2.15
import "."

// The DoF mixer: six paths that add a share of one degree of freedom to another.
Item {
    id: page

    property var model: null
    property var workEnvelopeModel: null
    property var pathControllersManager: null
    property string angleUnit: ""

    readonly property real spacing: 36 * qt_scale
    readonly property real rowSpacing: 12 * qt_scale
    readonly property real cellWidth: (width - spacing) / 2
    readonly property real cellHeight: (height - 2 * rowSpacing) / 3
    readonly property var envelope: workEnvelopeModel
    readonly property string angleBrackets: "[" + angleUnit + "]"

    function setupGraphNames(prefix) {
        swayToRoll.setupGraphNames(prefix, "swayToRoll");
        surgeToPitch.setupGraphNames(prefix, "surgeToPitch");
        yawToRoll.setupGraphNames(prefix, "yawToRoll");
        roadHarshnessToSurge.setupGraphNames(prefix, "roadHarshnessToSurge");
        heaveToPitch.setupGraphNames(prefix, "heaveToPitch");
        roadHarshnessToPitch.setupGraphNames(prefix, "roadHarshnessToPitch");
    }

    Grid {
        anchors.fill: parent
        columns: 2
        rows: 3
        rowSpacing: page.rowSpacing
        columnSpacing: page.spacing

        KEO_MixerSinglePath {
            id: swayToRoll
            objectName: "swayToRollPath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.swayToRollModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.roll : 0
            outputUnit: page.angleUnit
            inputName: "Raw Sway\n[m]"
            outputName: "Partial Roll\n" + page.angleBrackets
            graph_1_name: qsTr("Mixer Sway to Roll - Output Filter")
            graph_2_name: qsTr("Mixer Sway to Roll - Output Limit")
        }

        KEO_MixerSinglePath {
            id: surgeToPitch
            objectName: "surgeToPitchPath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.surgeToPitchModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.pitch : 0
            outputUnit: page.angleUnit
            inputName: "Raw Surge\n[m]"
            outputName: "Partial Pitch\n" + page.angleBrackets
            graph_1_name: qsTr("Mixer Surge to Pitch - Output Filter")
            graph_2_name: qsTr("Mixer Surge to Pitch - Output Limit")
        }

        KEO_MixerSinglePath {
            id: yawToRoll
            objectName: "yawToRollPath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.yawToRollModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.roll : 0
            outputUnit: page.angleUnit
            inputName: "Raw Yaw\n" + page.angleBrackets
            outputName: "Partial Roll\n" + page.angleBrackets
            graph_1_name: qsTr("Mixer Yaw to Roll - Output Filter")
            graph_2_name: qsTr("Mixer Yaw to Roll - Output Limit")
        }

        KEO_MixerSinglePath {
            id: roadHarshnessToSurge
            objectName: "roadHarshnessToSurgePath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.roadHarshnessToSurgeModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.surge : 0
            outputUnit: "m"
            inputName: "Road\nharshness"
            outputName: "Partial\nSurge\n[m]"
            graph_1_name: qsTr("Mixer Road Harshness to Surge - Output Filter")
            graph_2_name: qsTr("Mixer Road Harshness to Surge - Output Limit")
            graph_captions: [qsTr("Input (L) [m]"), qsTr("Output (L) [m]"), qsTr("Input (R) [m]"),
                qsTr("Output (R) [m]")]
        }

        KEO_MixerSinglePath {
            id: heaveToPitch
            objectName: "heaveToPitchPath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.heaveToPitchModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.pitch : 0
            outputUnit: page.angleUnit
            inputName: "Raw Heave\n[m]"
            outputName: "Partial Pitch\n" + page.angleBrackets
            graph_1_name: qsTr("Mixer Heave to Pitch - Output Filter")
            graph_2_name: qsTr("Mixer Heave to Pitch - Output Limit")
        }

        KEO_MixerSinglePath {
            id: roadHarshnessToPitch
            objectName: "roadHarshnessToPitchPath"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.roadHarshnessToPitchModel : null
            pathControllersManager: page.pathControllersManager
            workEnvelopeMaxValue: page.envelope ? page.envelope.pitch : 0
            outputUnit: page.angleUnit
            inputName: "Road\nharshness"
            outputName: "Partial Pitch\n" + page.angleBrackets
            graph_1_name: qsTr("Mixer Road harshness to Pitch - Output Filter")
            graph_2_name: qsTr("Mixer Road harshness Pitch - Output Limit")
            graph_captions: [qsTr("Input (L) [deg]"), qsTr("Output (L) [deg]"),
                qsTr("Input (R) [deg]"), qsTr("Output (R) [deg]")]
        }
    }
}
