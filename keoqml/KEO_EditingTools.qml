import QtQuick 2.15
import "."

// Undo and redo from any page, and the panels of unsaved changes and of the parameter-set
// comparison, laid over the main view. Undoing, redoing or choosing a listed value shows its
// page and briefly marks its block.
Item {
    id: tools

    property var view: null
    property real topMargin: 0
    readonly property var history: cpp_editHistory
    // Not while nothing is loaded or a dialog holds the view.
    readonly property bool usable: cpp_configManager.isConfigLoaded && view !== null && view.enabled
    readonly property bool changesOpen: changesPanel.visible
    readonly property bool compareOpen: comparePanel.visible
    readonly property bool cueingOpen: cueingPanel.visible
    // Blocks found so far, by model: pages and models live as long as the view.
    property var blocks: new Map()

    function toggleChanges() {
        comparePanel.visible = false;
        cueingPanel.visible = false;
        if (changesPanel.visible)
            changesPanel.visible = false;
        else
            changesPanel.open();
    }

    function toggleCompare() {
        changesPanel.visible = false;
        cueingPanel.visible = false;
        if (comparePanel.visible)
            comparePanel.visible = false;
        else
            comparePanel.open();
    }

    function toggleCueing() {
        changesPanel.visible = false;
        comparePanel.visible = false;
        if (cueingPanel.visible)
            cueingPanel.visible = false;
        else
            cueingPanel.open();
    }

    // The block of a page bound to a model, searched depth first.
    function blockOf(item, fieldModel) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (child.model === fieldModel || child.valueModel === fieldModel)
                return child;
            var found = blockOf(child, fieldModel);
            if (found)
                return found;
        }
        return null;
    }

    // The control of a block that edits a model property, by the names the blocks give them.
    readonly property var controlNames: ({
        "cutoffFrequency": "cutoffEdit",
        "cutoffFrequencyStart": "cutoffStartEdit",
        "cutoffFrequencyEnd": "cutoffEndEdit",
        "filterType": "filterTypeSelector",
        "limitationType": "limitationTypeSelector",
        "limitationFactor": "factorEdit",
        "maxValue": "maxValueEdit",
        "maxValueFactor": "percentageEdit",
        "value": "value1Edit"
    })

    function controlOf(item, name) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i];
            if (child.objectName === name)
                return child;
            var found = controlOf(child, name);
            if (found)
                return found;
        }
        return null;
    }

    function show(page, fieldModel, property) {
        if (!view || page < 0 || page >= view.tabHeaders.length)
            return;
        view.setTab(view.tabs[page], view.tabHeaders[page]);
        if (fieldModel && !blocks.has(fieldModel))
            blocks.set(fieldModel, blockOf(view.tabs[page], fieldModel));
        var block = fieldModel ? blocks.get(fieldModel) : null;
        if (!block)
            return;
        var control = property in controlNames ? controlOf(block, controlNames[property]) : null;
        highlight.flash(control && control.visible ? control : block);
    }

    anchors.fill: parent

    Shortcut {
        objectName: "undoShortcut"
        sequences: [StandardKey.Undo]
        enabled: tools.usable && tools.history.canUndo
        onActivated: tools.history.undo()
    }

    Shortcut {
        objectName: "redoShortcut"
        sequences: ["Ctrl+Shift+Z", "Ctrl+Y"]
        enabled: tools.usable && tools.history.canRedo
        onActivated: tools.history.redo()
    }

    Connections {
        target: tools.history
        function onRevealed(page, model, property) {
            tools.show(page, model, property);
        }
    }

    KEO_FieldHighlight {
        id: highlight
    }

    KEO_ChangesPanel {
        id: changesPanel
        anchors.right: parent.right
        anchors.rightMargin: 16 * qt_scale
        y: tools.topMargin + 8 * qt_scale
        height: Math.min(implicitHeight, tools.height - y - 16 * qt_scale)
        onShowRequested: tools.show(page, fieldModel, fieldProperty)
    }

    KEO_CompareSetsPanel {
        id: comparePanel
        anchors.right: parent.right
        anchors.rightMargin: 16 * qt_scale
        y: tools.topMargin + 8 * qt_scale
        height: Math.min(implicitHeight, tools.height - y - 16 * qt_scale)
        onShowRequested: tools.show(page, fieldModel, fieldProperty)
    }

    KEO_CueingPanel {
        id: cueingPanel
        anchors.right: parent.right
        anchors.rightMargin: 16 * qt_scale
        y: tools.topMargin + 8 * qt_scale
        height: Math.min(implicitHeight, tools.height - y - 16 * qt_scale)
    }
}
