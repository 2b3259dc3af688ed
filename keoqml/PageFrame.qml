import QtQuick 2.15
import "."

// Stands in for a page of the editor until its block diagram is drawn: a titled, empty area that
// already takes the page's models and the prefix of its graph names.
Rectangle {
    id: page

    property string title: ""
    property var model: null
    property var pathControllersManager: null
    property var workEnvelope: null
    property string graphPrefix: ""

    function setupGraphNames(prefix) {
        graphPrefix = prefix;
    }

    implicitWidth: 1100 * qt_scale
    implicitHeight: 640 * qt_scale
    border.color: Style.borderColor
    radius: Style.internalWindowRadius

    TextStyled {
        objectName: "pageTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 8 * qt_scale
        font.bold: true
        font.pixelSize: Style.controlFontHeaderSize
        text: page.title
    }
}
