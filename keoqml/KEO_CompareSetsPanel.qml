import QtQuick 2.15
import "."

// Every number whose two parameter sets differ, with the difference set #2 - set #1. Each row
// copies one member over the other ("1" and "2" on the chosen row); the buttons copy every row at
// once, as one undoable step.
KEO_DiffPanel {
    id: panel

    property var comparison: cpp_paramSetComparison
    readonly property real unit: qt_scale

    signal showRequested(int page, var fieldModel, string fieldProperty)

    function copy(row, fromSet) {
        if (row >= 0)
            comparison.copyRow(row, fromSet);
    }

    objectName: "compareSetsPanel"
    title: qsTr("Compare parameter sets")
    emptyText: qsTr("Both parameter sets are equal.")
    headings: [qsTr("Page"), qsTr("Block"), qsTr("Value"), qsTr("Set #1"), qsTr("Set #2"),
        qsTr("Difference")]
    widths: [140 * unit, 170 * unit, 150 * unit, 80 * unit, 80 * unit, 80 * unit]
    width: 900 * unit
    model: comparison

    onActivated: panel.showRequested(comparison.pageOf(row), comparison.fieldModelOf(row), comparison.fieldPropertyOf(row))

    onRowKeyPressed: {
        if (event.key === Qt.Key_1 || event.key === Qt.Key_2) {
            panel.copy(currentIndex, event.key === Qt.Key_1 ? 0 : 1);
            event.accepted = true;
        }
    }

    TextButton {
        objectName: "copyAllFirstButton"
        width: 170 * panel.unit
        height: 28 * panel.unit
        enabled: panel.comparison.count > 0
        text: qsTr("Copy all #1 \u2192 #2")
        onClicked: panel.comparison.copyAll(0)
    }

    TextButton {
        objectName: "copyAllSecondButton"
        width: 170 * panel.unit
        height: 28 * panel.unit
        enabled: panel.comparison.count > 0
        text: qsTr("Copy all #2 \u2192 #1")
        onClicked: panel.comparison.copyAll(1)
    }

    delegate: KEO_DiffRow {
        objectName: "compareRow"
        cells: [model.pageTitle, model.block,
            model.label + (model.unit !== "" ? " [" + model.unit + "]" : ""), model.firstValue,
            model.secondValue, model.difference]
        widths: panel.widths
        current: ListView.isCurrentItem
        onActivated: {
            panel.currentIndex = index;
            panel.showRequested(model.page, model.fieldModel, model.fieldProperty);
        }

        TextLink {
            objectName: "copyFirstLink"
            text: "#1 \u2192 #2"
            onClicked: panel.copy(index, 0)
        }

        TextLink {
            objectName: "copySecondLink"
            text: "#2 \u2192 #1"
            onClicked: panel.copy(index, 1)
        }
    }
}
