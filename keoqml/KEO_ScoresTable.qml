import QtQuick 2.15
import "."

// Per channel what the rider perceives now in the vehicle and on the platform, and the cueing
// scores over the last seconds of the live records: the perceived error against no motion at all
// (below 1 the motion helps), the correlation and delay with which the platform follows, and the
// seconds of false and missing cues.
Column {
    id: table

    property var scores: null
    readonly property var names: [qsTr("Surge"), qsTr("Sway"), qsTr("Heave"), qsTr("Roll"),
        qsTr("Pitch"), qsTr("Yaw")]
    readonly property var units: ["m/s²", "m/s²", "m/s²", "°/s", "°/s", "°/s"]
    readonly property var widths: [60, 140, 140, 75, 80, 65, 60, 75]

    function fixed(value, digits) {
        return value === undefined || value === null ? "–" : Number(value).toFixed(digits);
    }
    // Rates are perceived in rad/s; the view shows degrees.
    function perceived(value, channel) {
        return fixed(channel >= 3 ? value * 57.29577951308232 : value, 2);
    }

    spacing: 1 * qt_scale

    TextStyled {
        font.bold: true
        text: qsTr("Perceived now and scores over the last %1 s").arg(
                  table.scores ? table.scores.windowSeconds.toFixed(0) : 0)
    }

    Row {
        spacing: 4 * qt_scale
        Repeater {
            model: [qsTr("Channel"), qsTr("Vehicle (perceived)"), qsTr("Platform (perceived)"),
                qsTr("Error ratio"), qsTr("Correlation"), qsTr("Delay, s"), qsTr("False, s"),
                qsTr("Missing, s")]
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
            objectName: "scoresRow" + index
            readonly property int channel: index
            readonly property var c: table.scores ? table.scores.channels[index] : ({})
            spacing: 4 * qt_scale

            Repeater {
                model: [table.names[channel],
                    table.perceived(c.vehicle, channel) + " " + table.units[channel],
                    table.perceived(c.platform, channel) + " " + table.units[channel],
                    table.fixed(c.errorRatio, 2), table.fixed(c.correlation, 2),
                    table.fixed(c.delay, 2), table.fixed(c.falseCueSeconds, 1),
                    table.fixed(c.missingCueSeconds, 1)]
                TextStyled {
                    width: table.widths[index] * qt_scale
                    text: modelData
                    font.bold: index === 0
                }
            }
        }
    }
}
