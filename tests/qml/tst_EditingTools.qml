import QtQuick 2.15
import QtTest 1.15
import KEOParamSet 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 1700
    height: 900

    Component {
        id: mainViewComponent
        MainView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "EditingTools"
        when: windowShown

        property var view: null
        readonly property var history: cpp_editHistory

        function init() {
            testSupport.resetManager(testSupport.copyExample("one_cluster.cpp"), true);
            cpp_configManager.loadFromUi();
            verify(cpp_configManager.isConfigLoaded);
            view = createTemporaryObject(mainViewComponent, scene);
            cpp_configManager.paramSetModel.paramSetIndex = KEOParamSet.First;
        }

        function item(parentItem, name) {
            var found = findChild(parentItem, name);
            verify(found, name);
            return found;
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
            var list = item(panel, "diffList");
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
            var edit = item(item(item(view, "lateralPage"), "travelOutputFilter"), "cutoffEdit");
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
            mouseClick(item(view, "longitudinalTabButton"));

            keySequence(StandardKey.Undo);
            verify(item(view, "lateralPage").visible);
            fuzzyCompare(model.cutoffFrequency, original, 1e-4);
            // The edited control is framed.
            var frame = item(view, "fieldHighlight");
            var corner = edit.mapToItem(frame.parent, 0, 0);
            fuzzyCompare(frame.x, corner.x - 3, 1);
            fuzzyCompare(frame.width, edit.width + 6, 1);
            keySequence("Ctrl+Shift+Z");
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            keySequence(StandardKey.Undo);
            keySequence("Ctrl+Y");
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            verify(item(view, "saveTabButton").text.endsWith("*"));
        }

        function test_changesPanelShowsRevertsAndUndoesByKeysAndClicks() {
            var model = cutoffModel();
            var original = model.cutoffFrequency;
            var changes = cpp_configChanges;
            var listed = changes.count;
            model.cutoffFrequency = original + 3;
            compare(changes.count, listed + 1);
            var button = item(view, "changesButton");
            verify(button.text.indexOf("(" + (listed + 1) + ")") >= 0, button.text);

            mouseClick(item(view, "multiplexerTabButton"));
            mouseClick(button);
            var panel = item(view, "changesPanel");
            verify(panel.visible);
            var row = rowOf(changes, model);
            verify(row >= 0);
            for (var i = 0; i < row; ++i)
                keyClick(Qt.Key_Down);
            compare(panel.currentIndex, row);
            keyClick(Qt.Key_Return);
            verify(item(view, "lateralPage").visible);

            keyClick(Qt.Key_Delete);
            compare(changes.count, listed);
            fuzzyCompare(model.cutoffFrequency, original, 1e-4);
            keySequence(StandardKey.Undo);
            compare(changes.count, listed + 1);

            mouseClick(item(rowItem(panel, rowOf(changes, model)), "revertLink"));
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

            mouseClick(item(view, "compareSetsButton"));
            var panel = item(view, "compareSetsPanel");
            verify(panel.visible);
            verify(!item(view, "changesPanel").visible);
            mouseClick(item(rowItem(panel, rowOf(comparison, model)), "copyFirstLink"));
            fuzzyCompare(model.cutoffFrequency, first, 1e-4);
            compare(comparison.count, listed - 1);

            mouseClick(item(panel, "copyAllSecondButton"));
            compare(comparison.count, 0);
            verify(item(panel, "emptyListText").visible);
            keySequence(StandardKey.Undo); // copying all is undone at the model: ChangesListTest

            var opener = item(view, "compareSetsButton");
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
