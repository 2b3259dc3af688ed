import QtQuick 2.15
import "."

// The white, bordered card every editing block of a diagram is drawn on. Its fill hides the
// connection lines that run beneath the blocks, so a line seems to end at the block's edge.
Rectangle {
    readonly property real margin: 8 * qt_scale
    readonly property int editDecimals: 4

    // True when an edited number shows differently from the stored one. Edits that only echo
    // the stored value back (rounded to the shown decimals) must not write it.
    function differs(stored, edited) {
        return cpp_qmlUtils.floatToString(stored, editDecimals)
                !== cpp_qmlUtils.floatToString(edited, editDecimals);
    }

    color: "white"
    border.color: Style.borderColor
    border.width: 1
    radius: Style.internalWindowRadius
}
