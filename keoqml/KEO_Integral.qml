import QtQuick 2.15
import JVX_QuickGraphView 1.0
import "."

// An integration on a signal path, with the switch that bypasses it. The signal runs straight
// through the integration mark; the bypass route detours down through the switch, drawn dashed
// while the integration is used and solid when it is bypassed.
Item {
    id: block

    property color lineColor: "lightgrey"
    property bool checked: false
    readonly property alias graph: graphView
    readonly property real detourInset: mark.width / 4
    readonly property real detourDepth: bypassSwitch.y + bypassSwitch.height / 2

    signal bypassToggled(bool bypassed)

    implicitWidth: 2 * Style.circleControlSize
    implicitHeight: 3 * Style.circleControlSize

    onCheckedChanged: {
        straightLine.requestPaint();
        detourLine.requestPaint();
    }

    JVX_QuickGraphView {
        id: graphView
        visible: false
        captions: [qsTr("Input [m/s2]"), qsTr("Output [m/s]")]
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    Canvas {
        id: straightLine
        anchors.fill: parent
        visible: !block.checked
        onPaint: {
            var ctx = getContext("2d");
            ctx.reset();
            ctx.strokeStyle = block.lineColor;
            ctx.lineWidth = 1;
            ctx.beginPath();
            ctx.moveTo(0, height / 2);
            ctx.lineTo(width, height / 2);
            ctx.stroke();
        }
    }

    Canvas {
        id: detourLine
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d");
            ctx.reset();
            ctx.strokeStyle = block.lineColor;
            ctx.lineWidth = 1;
            ctx.setLineDash(block.checked ? [] : [3, 3]);
            ctx.beginPath();
            if (block.checked) {
                ctx.moveTo(0, height / 2);
                ctx.lineTo(block.detourInset, height / 2);
            } else {
                ctx.moveTo(block.detourInset, height / 2);
            }
            ctx.lineTo(block.detourInset, block.detourDepth);
            ctx.lineTo(width - block.detourInset, block.detourDepth);
            ctx.lineTo(width - block.detourInset, height / 2);
            if (block.checked)
                ctx.lineTo(width, height / 2);
            ctx.stroke();
        }
    }

    KEO_GraphLink {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: mark.top
        anchors.bottomMargin: 8 * qt_scale
        graph: graphView
    }

    RoundContainer {
        id: mark
        objectName: "integrationMark"
        anchors.centerIn: parent
        size: Style.circleControlSize
        text: "\u222B\u2B62\u0394"
        textSize: 12 * qt_scale
    }

    KEO_PathController {
        id: bypassSwitch
        objectName: "bypassSwitch"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: mark.bottom
        pathEnabled: block.checked
        onToggled: block.bypassToggled(checked)
    }
}
