import QtQuick 2.15
import KEO_Cueing 1.0
import "."

// Per channel what the rider perceives in the vehicle and on the platform, as a strip chart of the
// last seconds and as numbers now, and the cueing scores over the last seconds of the live
// records: the perceived error against no motion at all (below 1 the motion helps), the
// correlation and delay with which the platform follows, and the seconds of false and missing
// cues.
Column {
    id: table

    property var scores: null
    readonly property var names: [qsTr("Surge"), qsTr("Sway"), qsTr("Heave"), qsTr("Roll"),
        qsTr("Pitch"), qsTr("Yaw")]
    readonly property var units: ["m/s²", "m/s²", "m/s²", "°/s", "°/s", "°/s"]
    readonly property var widths: [60, 202, 100, 80, 85, 60, 55, 70]
    readonly property real stripSeconds: 20
    // As the strips draw them (PerceivedStripDrawing.cpp).
    readonly property color vehicleColour: "#3D4550"
    readonly property color platformColour: "#189FDB"
    readonly property color bandColour: "#E9EDF1"

    function fixed(value, digits) {
        return value === undefined || value === null ? "–" : Number(value).toFixed(digits);
    }
    // Rates are perceived in rad/s; the view shows degrees.
    function perceived(value, channel) {
        return fixed(channel >= 3 ? value * 57.29577951308232 : value, 2);
    }

    spacing: 1 * qt_scale

    Row {
        spacing: 6 * qt_scale

        TextStyled {
            font.bold: true
            text: qsTr("Perceived, and scores over the last %1 s").arg(
                      table.scores ? table.scores.windowSeconds.toFixed(0) : 0)
        }

        // The key of the strips.
        Repeater {
            model: [{"colour": table.vehicleColour, "text": qsTr("vehicle")},
                {"colour": table.platformColour, "text": qsTr("platform")},
                {"colour": table.bandColour, "text": qsTr("perception threshold")}]

            Row {
                spacing: 3 * qt_scale
                anchors.verticalCenter: parent.verticalCenter

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 16 * qt_scale
                    height: (index < 2 ? 2 : 9) * qt_scale
                    color: modelData.colour
                }
                TextStyled {
                    text: modelData.text
                }
            }
        }
    }

    Row {
        spacing: 4 * qt_scale
        Repeater {
            model: [qsTr("Channel"), qsTr("Last %1 s").arg(table.stripSeconds),
                qsTr("Now"), qsTr("Error ratio"), qsTr("Correlation"),
                qsTr("Delay, s"), qsTr("False, s"), qsTr("Missing, s")]
            TextStyled {
                width: table.widths[index] * qt_scale
                text: modelData
                font.bold: true
                elide: Text.ElideRight
            }
        }
    }

    Repeater {
        model: 6

        Row {
            id: row
            objectName: "scoresRow" + index
            readonly property int channel: index
            readonly property var c: table.scores ? table.scores.channels[index] : ({})
            spacing: 4 * qt_scale

            TextStyled {
                width: table.widths[0] * qt_scale
                anchors.verticalCenter: parent.verticalCenter
                text: table.names[row.channel]
                font.bold: true
            }

            KEO_PerceivedStrip {
                objectName: "perceivedStrip" + row.channel
                width: table.widths[1] * qt_scale
                height: 30 * qt_scale
                scores: table.scores
                channel: row.channel
                seconds: table.stripSeconds
                scale: qt_scale
            }

            Column {
                width: table.widths[2] * qt_scale
                anchors.verticalCenter: parent.verticalCenter

                TextStyled {
                    color: table.vehicleColour
                    text: table.perceived(row.c.vehicle, row.channel) + " " + table.units[row.channel]
                }
                TextStyled {
                    color: table.platformColour
                    text: table.perceived(row.c.platform, row.channel) + " " + table.units[row.channel]
                }
            }

            Repeater {
                model: [table.fixed(row.c.errorRatio, 2), table.fixed(row.c.correlation, 2),
                    table.fixed(row.c.delay, 2), table.fixed(row.c.falseCueSeconds, 1),
                    table.fixed(row.c.missingCueSeconds, 1)]
                TextStyled {
                    width: table.widths[index + 3] * qt_scale
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData
                }
            }
        }
    }
}
