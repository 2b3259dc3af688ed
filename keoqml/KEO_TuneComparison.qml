import QtQuick 2.15
import "."

// Both parameter sets judged on the tuning drives after a tuning, side by side: per drive and set
// the cost (the weighted perceived error; lower is better), whether the platform stayed within
// its limits, and per channel the perceived error against no motion at all (below 1 the motion
// helps).
Column {
    id: comparison

    property var rows: []
    readonly property var widths: [130, 50, 55, 45, 50, 50, 50, 50, 50, 50]

    function fixed(value) {
        return value === undefined || value === null ? "–" : Number(value).toFixed(2);
    }

    spacing: 1 * qt_scale

    TextStyled {
        font.bold: true
        text: qsTr("Both sets on the tuning drives")
    }

    Row {
        spacing: 2 * qt_scale
        Repeater {
            model: [qsTr("Drive"), qsTr("Set"), qsTr("Cost"), qsTr("Fits"), qsTr("Surge"),
                qsTr("Sway"), qsTr("Heave"), qsTr("Roll"), qsTr("Pitch"), qsTr("Yaw")]
            TextStyled {
                width: comparison.widths[index] * qt_scale
                text: modelData
                font.bold: true
                elide: Text.ElideRight
            }
        }
    }

    Repeater {
        model: comparison.rows

        Column {
            readonly property var row: modelData
            readonly property int rowIndex: index

            Repeater {
                model: 2

                Row {
                    objectName: "comparisonRow" + rowIndex + "_" + index
                    readonly property int set: index
                    spacing: 2 * qt_scale

                    Repeater {
                        model: [set === 0 ? row.drive : "", "#" + (set + 1),
                            comparison.fixed(row.cost[set]),
                            row.fits[set] ? qsTr("yes") : qsTr("no")].concat(
                                   row.ratios.length > 0 ? row.ratios[set].map(comparison.fixed)
                                                         : [])
                        TextStyled {
                            width: comparison.widths[index] * qt_scale
                            text: modelData
                            elide: Text.ElideMiddle
                            color: index === 3 && modelData === qsTr("no") ? "#B35C00"
                                                                            : Style.textColor
                        }
                    }
                }
            }
        }
    }
}
