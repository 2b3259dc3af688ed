import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

TextField {
    id: control

    property int decimals: 4
    property real from: -100
    property real to: 100
    property real value: 0
    property string toolTip: ""
    // The separator shown to the user; the validator reads numbers in a locale that uses it.
    readonly property string displaySeparator: cpp_qmlUtils.floatToString(0.5, 1).charAt(1)

    signal valueModified(real value)

    function format(number) {
        return cpp_qmlUtils.floatToString(number, decimals);
    }

    function isCleared() {
        return text === "" || text === "-";
    }

    selectByMouse: true
    color: enabled ? Style.textColor : Style.textColorDisabled
    font.pixelSize: Style.textStyledFontSize

    validator: DoubleValidator {
        bottom: Math.min(control.from, control.to)
        top: Math.max(control.from, control.to)
        decimals: control.decimals
        notation: DoubleValidator.StandardNotation
        locale: control.displaySeparator === "," ? "de_DE" : "en_US"
    }

    background: Rectangle {
        implicitWidth: Style.styledControlImplicitWidth
        implicitHeight: 25 * qt_scale
        color: "transparent"
        border.color: Style.borderColor
        radius: Style.internalWindowRadius
    }

    Component.onCompleted: text = format(value)

    onValueChanged: {
        if (value === 0 && text === "")
            return;
        if (format(cpp_qmlUtils.stringToFloat(text)) !== format(value))
            text = format(value);
    }

    // Only the user's own edits are reported. The text this field writes itself when its value
    // changes (a load, a parameter-set switch, a restore) is a rounded echo of the stored value;
    // reporting it would write the rounding back, e.g. -0.00004 shown as "-0,0000" would become 0.
    onTextEdited: {
        if (isCleared()) {
            if (value !== 0)
                valueModified(0);
        } else if (cpp_qmlUtils.isStringFloat(text)) {
            valueModified(Number(cpp_qmlUtils.stringToFloat(text).toFixed(decimals)));
        }
    }

    // Undo and redo belong to the editor's history, whose steps are whole edits. The field's own
    // text undo would come back as a new edit, and a new edit drops every step there was to redo.
    function historyKey(event) {
        var control = (event.modifiers & ~Qt.KeypadModifier) === Qt.ControlModifier;
        var controlShift = (event.modifiers & ~Qt.KeypadModifier)
                === (Qt.ControlModifier | Qt.ShiftModifier);
        if (event.matches(StandardKey.Undo))
            return "undo";
        if (event.matches(StandardKey.Redo) || (controlShift && event.key === Qt.Key_Z)
                || (control && event.key === Qt.Key_Y))
            return "redo";
        return "";
    }

    Keys.onPressed: {
        var step = historyKey(event);
        if (step === "")
            return;
        event.accepted = true;
        if (typeof cpp_editHistory !== "undefined" && cpp_editHistory)
            cpp_editHistory[step]();
    }

    onActiveFocusChanged: {
        if (!activeFocus && isCleared())
            text = format(0);
    }

    ToolTip.visible: hovered && toolTip !== ""
    ToolTip.delay: 500
    ToolTip.text: toolTip
}
