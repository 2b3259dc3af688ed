import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

RadioButton {
    id: control

    property real size: 16 * qt_scale
    property color colorDown: Style.radioButtonDownColor
    property color colorNormal: Style.radioButtonNormalColor
    readonly property color currentColor: down ? colorDown : colorNormal

    text: "RadioButton"

    indicator: Rectangle {
        objectName: "radioIndicator"
        implicitWidth: control.size
        implicitHeight: control.size
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: width / 2
        border.color: control.currentColor
        opacity: control.enabled ? 1.0 : 0.3

        Rectangle {
            objectName: "radioDot"
            anchors.centerIn: parent
            width: control.size / 2
            height: control.size / 2
            radius: width / 2
            color: control.currentColor
            visible: control.checked
        }
    }

    contentItem: TextStyled {
        text: control.text
        color: control.currentColor
        opacity: control.enabled ? 1.0 : 0.3
        verticalAlignment: Text.AlignVCenter
        leftPadding: control.indicator.width + control.spacing
    }
}
