import QtQuick 2.15
import "."

// One cross-coupling path of the DoF mixer: a signal of one degree of freedom, switched,
// filtered and limited, added to another degree of freedom.
Item {
    id: path

    property var model: null
    property var pathControllersManager: null
    property real workEnvelopeMaxValue: 0
    property string outputUnit: ""
    property string inputName: ""
    property string outputName: ""
    property string graph_1_name: ""
    property string graph_2_name: ""
    property var graph_captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
    property var availableOutputFilterTypes: Style.availableOutputFilterTypes
    property var availableOutputFilterTypeNames: Style.availableOutputFilterTypeNames
    property string filterGraphName: ""
    property string limitGraphName: ""
    readonly property alias filterGraph: filter.graph
    readonly property alias limitGraph: limit.graph

    function setupGraphNames(prefix_1, prefix_2) {
        filterGraphName = prefix_1 + "." + prefix_2 + ".outputFilter";
        limitGraphName = prefix_1 + "." + prefix_2 + ".outputLimit";
    }

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    KEO_PathConnectionsDrawer {
        anchors.fill: row
        connections: [input, pathSwitch, filter, limit, output]
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 12 * qt_scale

        KEO_InputRound {
            id: input
            objectName: "mixerPathInput"
            anchors.verticalCenter: parent.verticalCenter
            color: Style.mixerRoundContainerColor
            text: path.inputName
        }

        KEO_PathController {
            id: pathSwitch
            objectName: "mixerPathSwitch"
            anchors.verticalCenter: parent.verticalCenter
            manager: path.pathControllersManager
            pathEnabled: path.model ? path.model.enabled : true
            pathElements: [filter, limit, output]
            onToggled: {
                if (path.model)
                    path.model.enabled = checked;
            }
        }

        Item {
            width: 12 * qt_scale - parent.spacing
            height: 1
        }

        KEO_FilterConfigView {
            id: filter
            objectName: "mixerPathFilter"
            anchors.verticalCenter: parent.verticalCenter
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Output filter")
            model: path.model ? path.model.outputFilterModel : null
            availableFilterTypes: path.availableOutputFilterTypes
            availableFilterTypeNames: path.availableOutputFilterTypeNames
            graph.objectName: path.filterGraphName
            graph.title: path.graph_1_name
            graph.captions: path.graph_captions
        }

        KEO_LimitConfigView {
            id: limit
            objectName: "mixerPathLimit"
            anchors.verticalCenter: parent.verticalCenter
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            model: path.model ? path.model.outputLimitModel : null
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: path.workEnvelopeMaxValue
            maxValueUnit: path.outputUnit
            graph.objectName: path.limitGraphName
            graph.title: path.graph_2_name
            graph.captions: path.graph_captions
        }

        KEO_OutputRound {
            id: output
            objectName: "mixerPathOutput"
            anchors.verticalCenter: parent.verticalCenter
            text: path.outputName
        }
    }
}
