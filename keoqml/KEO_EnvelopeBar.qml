import QtQuick 2.15
import "."

// One degree of freedom against its envelope: the band from -envelope to +envelope, the value
// now as a bar from the centre, the peak so far as ticks on both sides and the time at the edge.
Row {
    id: bar

    property string name: ""
    property string unit: ""
    property var use: ({value: 0, peak: 0, envelope: 0, share: 0, peakShare: 0, secondsAtEdge: 0})
    property real trackWidth: 300 * qt_scale
    readonly property real half: trackWidth / 2
    readonly property color valueColor: Math.abs(use.share) >= 0.99 ? "#D9641E" : Style.mainBlueColor

    spacing: 8 * qt_scale
    height: 20 * qt_scale

    TextStyled {
        width: 50 * qt_scale
        anchors.verticalCenter: parent.verticalCenter
        text: bar.name
        font.bold: true
    }

    Rectangle {
        width: bar.trackWidth
        height: 14 * qt_scale
        anchors.verticalCenter: parent.verticalCenter
        color: "#F1F3F5"
        border.color: Style.borderColor

        Rectangle {
            objectName: "valueBar"
            readonly property real share: Math.max(-1, Math.min(1, bar.use.share))
            x: bar.half + Math.min(0, share) * bar.half
            width: Math.abs(share) * bar.half
            height: parent.height
            color: bar.valueColor
        }

        Repeater {
            model: [-1, 1]

            Rectangle {
                x: bar.half + modelData * Math.min(1, bar.use.peakShare) * bar.half - width / 2
                width: 2 * qt_scale
                height: parent.height + 4 * qt_scale
                y: -2 * qt_scale
                color: "#3A4650"
            }
        }

        Rectangle {
            x: bar.half
            width: 1
            height: parent.height
            color: Style.controlBorderEnabled
        }
    }

    TextStyled {
        objectName: "envelopeText"
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("now %1 %, peak %2 % (%3 of ±%4 %5), at the edge %6 s")
              .arg(Math.round(bar.use.share * 100)).arg(Math.round(bar.use.peakShare * 100))
              .arg(bar.use.peak.toFixed(2)).arg(bar.use.envelope.toFixed(2)).arg(bar.unit)
              .arg(bar.use.secondsAtEdge.toFixed(1))
    }
}
