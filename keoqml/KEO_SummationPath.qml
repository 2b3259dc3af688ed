import QtQuick 2.15
import "."

// One degree of freedom of the multiplexer: the partial results are summed and the sum is
// limited to the platform's work envelope.
Item {
    id: path

    property var model: null
    property real workEnvelopeMaxValue: 0
    property string maxValueUnit: ""
    property string inputName: ""
    property string outputName: ""
    property string sumatorGraphName: ""
    property string limitGraphName: ""
    property string sumatorGraphTitle: ""
    property string limitGraphTitle: ""
    readonly property alias sumatorGraph: sumator.graph
    readonly property alias limitGraph: limit.graph

    function setupGraphNames(prefix, name, pathName) {
        sumatorGraphName = prefix + "." + name + ".sumator";
        limitGraphName = prefix + "." + name + ".outputLimit";
        sumatorGraphTitle = pathName + " - Sumator";
        limitGraphTitle = pathName + " - Output Limit";
    }

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    KEO_PathConnectionsDrawer {
        anchors.fill: row
        connections: [input, sumator, limit, output]
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 12 * qt_scale

        KEO_InputRound {
            id: input
            objectName: "summationInput"
            anchors.verticalCenter: parent.verticalCenter
            color: Style.outputRoundContainerAlternativeColor
            text: path.inputName
        }

        Sumator {
            id: sumator
            objectName: "sumator"
            anchors.verticalCenter: parent.verticalCenter
            width: Style.blockWidth / 2
            height: Style.blockHeight / 2
            graph.objectName: path.sumatorGraphName
            graph.title: path.sumatorGraphTitle
        }

        KEO_LimitConfigView {
            id: limit
            objectName: "summationLimit"
            anchors.verticalCenter: parent.verticalCenter
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
            text: qsTr("Limit")
            model: path.model
            maxValueFromWorkEnvelope: true
            workEnvelopeMaxValue: path.workEnvelopeMaxValue
            maxValueUnit: path.maxValueUnit
            graph.objectName: path.limitGraphName
            graph.title: path.limitGraphTitle
            graph.captions: [qsTr("Input"), qsTr("Output")]
        }

        KEO_OutputRound {
            id: output
            objectName: "summationOutput"
            anchors.verticalCenter: parent.verticalCenter
            color: Style.totalLimitedRoundContainerColor
            text: path.outputName
        }
    }
}
