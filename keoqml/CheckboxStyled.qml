import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

CheckBox {
    id: control

    indicator: Rectangle {
        objectName: "checkboxIndicator"
        implicitWidth: Style.checkboxImplicitSize
        implicitHeight: Style.checkboxImplicitSize
        x: control.text ? control.leftPadding
                        : control.leftPadding + (control.availableWidth - width) / 2
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: Style.controlRadius
        color: control.down ? control.palette.light : control.palette.base
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? control.palette.highlight : control.palette.mid

        Image {
            objectName: "checkboxMark"
            anchors.centerIn: parent
            width: parent.width * 0.8
            height: parent.height * 0.8
            sourceSize.width: width
            sourceSize.height: height
            source: "qrc:/Check"
            opacity: 0.7
            visible: control.checked
        }
    }
}
