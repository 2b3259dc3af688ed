import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

SpinBox {
    id: control

    property real realTo: 100
    property real realFrom: 0
    property real realStep: 0.1
    property int decimals: 2
    property real realValue: 0
    // The integer value rests in the middle of the range so that both arrows stay usable.
    readonly property int restingValue: Math.round((from + to) / 2)

    signal realValueModified(real value)

    from: 0
    to: 100
    value: restingValue
    editable: true
    implicitHeight: Style.controlHeight

    textFromValue: function (unused, locale) {
        return Number(control.realValue).toLocaleString(locale, "f", control.decimals);
    }

    valueFromText: function (text, locale) {
        var parsed = NaN;
        try {
            parsed = Number.fromLocaleString(locale, text);
        } catch (error) {
            parsed = NaN;
        }
        if (!isNaN(parsed) && parsed !== control.realValue)
            control.realValueModified(parsed);
        return control.restingValue;
    }

    validator: DoubleValidator {
        bottom: Math.min(control.realFrom, control.realTo)
        top: Math.max(control.realFrom, control.realTo)
        decimals: control.decimals
        notation: DoubleValidator.StandardNotation
    }

    // An arrow steps the integer value away from its resting place when released; the step is
    // turned into a real one and the integer value goes back to rest.
    onValueModified: {
        if (value > restingValue)
            realValueModified(Math.min(realValue + realStep, realTo));
        else if (value < restingValue)
            realValueModified(Math.max(realValue - realStep, realFrom));
        value = restingValue;
    }

    contentItem: TextInput {
        objectName: "spinBoxText"
        z: 2
        text: control.textFromValue(control.value, control.locale)
        font.pixelSize: Style.textStyledFontSize
        color: enabled ? Style.textColor : Style.textColorDisabled
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !control.editable
        validator: control.validator
        inputMethodHints: Qt.ImhFormattedNumbersOnly
    }

    up.indicator: Rectangle {
        objectName: "spinBoxUp"
        x: control.mirrored ? 0 : parent.width - width
        height: 25 * qt_scale
        implicitWidth: 25 * qt_scale
        implicitHeight: 25 * qt_scale
        color: control.up.pressed ? "#e4e4e4" : "#f6f6f6"
        border.color: enabled ? "#bdbebf" : "lightgrey"

        Text {
            text: "+"
            anchors.centerIn: parent
            font.pixelSize: Style.textStyledFontSize
            color: enabled ? Style.textColor : Style.textColorDisabled
        }
    }

    down.indicator: Rectangle {
        objectName: "spinBoxDown"
        x: control.mirrored ? parent.width - width : 0
        height: 25 * qt_scale
        implicitWidth: 25 * qt_scale
        implicitHeight: 25 * qt_scale
        color: control.down.pressed ? "#e4e4e4" : "#f6f6f6"
        border.color: enabled ? "#bdbebf" : "lightgrey"

        Text {
            text: "-"
            anchors.centerIn: parent
            font.pixelSize: Style.textStyledFontSize
            color: enabled ? Style.textColor : Style.textColorDisabled
        }
    }

    background: Rectangle {
        implicitWidth: 140 * qt_scale
        border.color: Style.controlBorderEnabled
    }
}
