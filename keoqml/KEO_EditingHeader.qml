import QtQuick 2.15
import "."

// The header's way to the list of unsaved changes (with their number), to the comparison of the
// two parameter sets and, beside them, to the Cueing window.
Grid {
    id: header

    property var tools: null

    readonly property var changes: cpp_configChanges
    // Both as wide as the wider text needs, and never narrower than the design's 130.
    readonly property real buttonWidth: Math.max(130 * qt_scale, changesButton.implicitWidth,
                                                 compareButton.implicitWidth)

    columns: 2
    flow: Grid.TopToBottom
    rows: 2
    spacing: 4 * qt_scale

    TextButton {
        id: changesButton
        objectName: "changesButton"
        width: header.buttonWidth
        height: 30 * qt_scale
        enabled: cpp_configManager.isConfigLoaded
        checked: header.tools ? header.tools.changesOpen : false
        text: qsTr("Changes (%1)").arg(header.changes ? header.changes.count : 0)
        onClicked: header.tools.toggleChanges()
    }

    TextButton {
        id: compareButton
        objectName: "compareSetsButton"
        width: header.buttonWidth
        height: 30 * qt_scale
        enabled: cpp_configManager.isConfigLoaded
        checked: header.tools ? header.tools.compareOpen : false
        text: qsTr("Compare sets")
        onClicked: header.tools.toggleCompare()
    }

    TextButton {
        objectName: "cueingButton"
        width: implicitWidth
        height: 30 * qt_scale
        enabled: cpp_configManager.isConfigLoaded
        checked: header.tools ? header.tools.cueingOpen : false
        text: qsTr("Cueing")
        onClicked: header.tools.toggleCueing()
    }
}
