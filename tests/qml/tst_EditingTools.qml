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

        // Types `keys` over the lateral travel output filter's cutoff, as a user does; returns
        // the field.
        function typeCutoff(keys) {
            var edit = child(child(child(view, "lateralPage"), "travelOutputFilter"), "cutoffEdit");
            mouseClick(edit);
            edit.selectAll();
            for (var i = 0; i < keys.length; ++i)
                keyClick(keys[i]);
            return edit;
        }

        function test_typingIsOneStepThatTheShortcutsUndoAndRedo() {
            var model = cutoffModel();
            var original = model.cutoffFrequency;
            var steps = history.steps;
            var edit = typeCutoff([Qt.Key_1, Qt.Key_2, Qt.Key_Period, Qt.Key_5]);
            fuzzyCompare(model.cutoffFrequency, 12.5, 1e-4);
            compare(history.steps, steps + 1);
            // Undone from another page, with the focus elsewhere.
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

        function test_redoOutlivesViewChanges_data() {
            return [{tag: "page", control: "longitudinalTabButton", redo: "Ctrl+Shift+Z"},
                    {tag: "parameter set", control: "paramSet2Radio", redo: "Ctrl+Y"},
                    {tag: "panel", control: "changesButton", redo: "Ctrl+Y"}];
        }

        // Ctrl+Z pressed in the field it just edited is the editor's undo, not the field's own
        // text undo (which came back as a new edit and dropped the redo), and nothing but a new
        // edit drops the step to redo.
        function test_redoOutlivesViewChanges(data) {
            var model = cutoffModel();
            var original = model.cutoffFrequency;
            var edit = typeCutoff([Qt.Key_1, Qt.Key_2]);
            var steps = history.steps;
            keySequence(StandardKey.Undo);
            verify(edit.activeFocus);
            fuzzyCompare(model.cutoffFrequency, original, 1e-4);
            mouseClick(child(view, data.control));
            keySequence(data.redo);
            fuzzyCompare(model.cutoffFrequency, 12, 1e-4);
            compare(history.steps, steps);
            verify(!history.canRedo);
        }
    }
}
