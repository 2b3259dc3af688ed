import QtQuick 2.15
import "."

// The on/off switch of a path. The elements it lists are enabled only while the path is on,
// unless another switch that lists them too is on: the manager settles that for all switches.
CheckboxStyled {
    id: control

    property var manager: null
    property alias pathEnabled: control.checked
    property var pathElements: []
    property bool pathEnabled_default: true
    readonly property bool isModified: pathEnabled !== pathEnabled_default

    function setElementsEnabled(on) {
        for (var i = 0; i < pathElements.length; ++i) {
            if (pathElements[i])
                pathElements[i].enabled = on;
        }
    }

    function disableElements() {
        setElementsEnabled(false);
    }

    function enableElements() {
        if (pathEnabled)
            setElementsEnabled(true);
    }

    function updateElements() {
        if (manager)
            manager.updateElements();
    }

    objectName: "pathController"
    implicitWidth: Style.checkboxImplicitSize + leftPadding + rightPadding
    implicitHeight: Style.checkboxImplicitSize + topPadding + bottomPadding

    onPathEnabledChanged: updateElements()
    onPathElementsChanged: updateElements()

    Component.onCompleted: {
        if (manager) {
            manager.addController(control);
            manager.updateElements();
        }
    }
}
