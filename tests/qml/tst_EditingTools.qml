import QtQuick 2.15
import QtTest 1.15
import KEOParamSet 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 1700
    height: 900

    KeoTestCase {
        name: "EditingTools"

        property var view: null
        readonly property var history: cpp_editHistory

        function init() {
            loadExample("one_cluster.cpp");
            view = createMainView();
            cpp_configManager.paramSetModel.paramSetIndex = KEOParamSet.First;
        }

        function cutoffModel() {
            return cpp_configManager.configModel.lateralConfigModel.travelConfigModel
                    .outputTravelFilterModel;
        }

        function rowOf(list, fieldModel) {
            for (var row = 0; row < list.count; ++row) {
                if (list.fieldModelOf(row) === fieldModel)
                    return row;
            }
            return -1;
        }

        // The row's delegate, scrolled into view so it can be clicked.
        function rowItem(panel, row) {
            var list = child(panel, "diffList");
            list.positionViewAtIndex(row, ListView.Contain);
            wait(0);
            var found = list.itemAtIndex(row);
            verify(found, "row " + row);
            return found;
        }

        function test_typingIsOneStepThatTheShortcutsUndoAndRedo() {
            var model = cutoffModel();
            var original = model.cutoffFrequency;
            var steps = history.steps;
            var edit = child(child(child(view, "lateralPage"), "travelOutputFilter"), "cutoffEdit");
            mouseClick(edit);
            edit.selectAll();
            keyClick(Qt.Key_1);
            keyClick(Qt.Key_2);
            keyClick(Qt.Key_Period);
            keyClick(Qt.Key_5);
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            compare(history.steps, steps + 1);
            // Out of the field, so that Ctrl+Z is not the field's own text undo.
            edit.focus = false;
            mouseClick(child(view, "longitudinalTabButton"));

            keySequence(StandardKey.Undo);
            verify(child(view, "lateralPage").visible);
            fuzzyCompare(model.cutoffFrequency, original, 1e-4);
            // The edited control is framed.
            var frame = child(view, "fieldHighlight");
            var corner = edit.mapToItem(frame.parent, 0, 0);
            fuzzyCompare(frame.x, corner.x - 3, 1);
            fuzzyCompare(frame.width, edit.width + 6, 1);
            keySequence("Ctrl+Shift+Z");
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            keySequence(StandardKey.Undo);
            keySequence("Ctrl+Y");
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            verify(child(view, "saveTabButton").text.endsWith("*"));
        }

        function test_changesPanelShowsRevertsAndUndoesByKeysAndClicks() {
            var model = cutoffModel();
            var original = model.cutoffFrequency;
            var changes = cpp_configChanges;
            var listed = changes.count;
            model.cutoffFrequency = original + 3;
            compare(changes.count, listed + 1);
            var button = child(view, "changesButton");
            verify(button.text.indexOf("(" + (listed + 1) + ")") >= 0, button.text);

            mouseClick(child(view, "multiplexerTabButton"));
            mouseClick(button);
            var panel = child(view, "changesPanel");
            verify(panel.visible);
            var row = rowOf(changes, model);
            verify(row >= 0);
            for (var i = 0; i < row; ++i)
                keyClick(Qt.Key_Down);
            compare(panel.currentIndex, row);
            keyClick(Qt.Key_Return);
            verify(child(view, "lateralPage").visible);

            keyClick(Qt.Key_Delete);
            compare(changes.count, listed);
            fuzzyCompare(model.cutoffFrequency, original, 1e-4);
            keySequence(StandardKey.Undo);
            compare(changes.count, listed + 1);

            mouseClick(child(rowItem(panel, rowOf(changes, model)), "revertLink"));
            compare(changes.count, listed);
            keyClick(Qt.Key_Escape);
            verify(!panel.visible);
        }

        function test_comparePanelCopiesARowAndAllRows() {
            var model = cutoffModel();
            var comparison = cpp_paramSetComparison;
            var first = model.cutoffFrequency;
            cpp_configManager.paramSetModel.paramSetIndex = KEOParamSet.Second;
            model.cutoffFrequency = first + 1.5;
            var listed = comparison.count;
            verify(listed > 0);

            mouseClick(child(view, "compareSetsButton"));
            var panel = child(view, "compareSetsPanel");
            verify(panel.visible);
            verify(!child(view, "changesPanel").visible);
            mouseClick(child(rowItem(panel, rowOf(comparison, model)), "copyFirstLink"));
            fuzzyCompare(model.cutoffFrequency, first, 1e-4);
            compare(comparison.count, listed - 1);

            mouseClick(child(panel, "copyAllSecondButton"));
            compare(comparison.count, 0);
            verify(child(panel, "emptyListText").visible);
            keySequence(StandardKey.Undo); // copying all is undone at the model: ChangesListTest

            var opener = child(view, "compareSetsButton");
            mouseClick(opener);
            verify(!panel.visible);
            opener.forceActiveFocus();
            keyClick(Qt.Key_Space);
            verify(panel.visible);
            keyClick(Qt.Key_2);
            compare(comparison.count, listed - 2);
            keyClick(Qt.Key_Escape);
            verify(!panel.visible);
        }
    }
}
