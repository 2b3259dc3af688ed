import QtQuick 2.15
import "."

// Every value of the edited cluster that differs from the saved file. A row shows its page;
// "Revert" (or Delete on the chosen row) puts back just that value, as an undoable step.
KEO_DiffPanel {
    id: panel

    property var changes: cpp_configChanges
    readonly property real unit: qt_scale

    signal showRequested(int page, var fieldModel, string fieldProperty)

    function revert(row) {
        if (row >= 0)
            changes.revert(row);
    }

    objectName: "changesPanel"
    title: qsTr("Unsaved changes")
    emptyText: qsTr("Nothing differs from the saved file.")
    headings: [qsTr("Page"), qsTr("Block"), qsTr("Value"), qsTr("Set"), qsTr("Saved"),
        qsTr("Current")]
    widths: [140 * unit, 170 * unit, 150 * unit, 40 * unit, 90 * unit, 90 * unit]
    width: 800 * unit
    model: changes

    onActivated: panel.showRequested(changes.pageOf(row), changes.fieldModelOf(row), changes.fieldPropertyOf(row))

    onRowKeyPressed: {
        if (event.key === Qt.Key_Delete) {
            panel.revert(currentIndex);
            event.accepted = true;
        }
    }

    delegate: KEO_DiffRow {
        objectName: "changeRow"
        cells: [model.pageTitle, model.block,
            model.label + (model.unit !== "" ? " [" + model.unit + "]" : ""), model.paramSet,
            model.firstValue, model.secondValue]
        widths: panel.widths
        current: ListView.isCurrentItem
        onActivated: {
            panel.currentIndex = index;
            panel.showRequested(model.page, model.fieldModel, model.fieldProperty);
        }

        TextLink {
            objectName: "revertLink"
            text: qsTr("Revert")
            onClicked: panel.revert(index)
        }
    }
}
