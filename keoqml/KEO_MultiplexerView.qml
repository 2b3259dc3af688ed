import QtQuick 2.15
import "."

// The multiplexer: for each degree of freedom the partial results of all paths are summed and
// the sum limited to the platform's work envelope.
Item {
    id: page

    property var model: null
    property var workEnvelopeModel: null
    property string angleUnit: ""

    readonly property real spacing: 36 * qt_scale
    readonly property real rowSpacing: 12 * qt_scale
    readonly property real cellWidth: (width - spacing) / 2
    readonly property real cellHeight: (height - 2 * rowSpacing) / 3
    readonly property var envelope: workEnvelopeModel
    readonly property string angleBrackets: "[" + angleUnit + "]"

    function setupGraphNames(prefix) {
        surge.setupGraphNames(prefix, "surge", qsTr("Surge"));
        pitch.setupGraphNames(prefix, "pitch", qsTr("Pitch"));
        sway.setupGraphNames(prefix, "sway", qsTr("Sway"));
        roll.setupGraphNames(prefix, "roll", qsTr("Roll"));
        heave.setupGraphNames(prefix, "heave", qsTr("Heave"));
        yaw.setupGraphNames(prefix, "yaw", qsTr("Yaw"));
    }

    Grid {
        anchors.fill: parent
        columns: 2
        rows: 3
        rowSpacing: page.rowSpacing
        columnSpacing: page.spacing

        KEO_SummationPath {
            id: surge
            objectName: "surgeSummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.surgeOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.surge : 0
            maxValueUnit: "m"
            inputName: "Partial\nSurges\n[m]"
            outputName: "Surge\n[m]"
        }

        KEO_SummationPath {
            id: pitch
            objectName: "pitchSummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.pitchOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.pitch : 0
            maxValueUnit: page.angleUnit
            inputName: "Partial\nPitches\n" + page.angleBrackets
            outputName: "Pitch\n" + page.angleBrackets
        }

        KEO_SummationPath {
            id: sway
            objectName: "swaySummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.swayOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.sway : 0
            maxValueUnit: "m"
            inputName: "Partial\nSways\n[m]"
            outputName: "Sway\n[m]"
        }

        KEO_SummationPath {
            id: roll
            objectName: "rollSummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.rollOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.roll : 0
            maxValueUnit: page.angleUnit
            inputName: "Partial\nRolls\n" + page.angleBrackets
            outputName: "Roll\n" + page.angleBrackets
        }

        KEO_SummationPath {
            id: heave
            objectName: "heaveSummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.heaveOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.heave : 0
            maxValueUnit: "m"
            inputName: "Partial\nHeaves\n[m]"
            outputName: "Heave\n[m]"
        }

        KEO_SummationPath {
            id: yaw
            objectName: "yawSummation"
            width: page.cellWidth
            height: page.cellHeight
            model: page.model ? page.model.yawOutputLimitationModel : null
            workEnvelopeMaxValue: page.envelope ? page.envelope.yaw : 0
            maxValueUnit: page.angleUnit
            inputName: "Partial\nYaws\n" + page.angleBrackets
            outputName: "Yaw\n" + page.angleBrackets
        }
    }
}
