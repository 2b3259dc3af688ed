import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene

    KeoTestCase {
        name: "Header"

        readonly property var controls: ["lateralTabButton", "longitudinalTabButton",
            "verticalTabButton", "absoluteTabButton", "mixerTabButton", "enhancerTabButton",
            "understeerTabButton", "multiplexerTabButton", "optionsTabButton", "loadTabButton",
            "saveTabButton", "paramSet1Radio", "paramSet2Radio", "changesButton",
            "compareSetsButton", "cueingButton", "hostActionButton"]

        function cleanup() {
            testSupport.setScale(1.0);
            testSupport.publishHostActions([], []);
        }

        // The editor's window is never smaller than 1420 x 840 times the scale.
        function showAtMinimumSize(scale) {
            testSupport.setScale(scale);
            scene.width = Math.round(1420 * scale);
            scene.height = Math.round(840 * scale);
            loadExample("one_cluster.cpp");
            return createMainView();
        }

        function test_everyControlShowsAtTheMinimumSize_data() {
            return [{tag: "1.0", scale: 1.0}, {tag: "1.25", scale: 1.25}, {tag: "1.5", scale: 1.5}];
        }

        function test_everyControlShowsAtTheMinimumSize(data) {
            testSupport.publishHostActions(["Drive window"], ["Ctrl+Shift+D"]);
            var view = showAtMinimumSize(data.scale);
            // A mark widens the texts of Save and of the edited page's button.
            var lateral = cpp_configManager.configModel.lateralConfigModel;
            lateral.travelConfigModel.accelerationFilterModel.cutoffFrequency += 1;
            waitForItemPolished(child(view, "tabRow"));
            var right = 0;
            for (var i = 0; i < controls.length; ++i) {
                var control = child(view, controls[i]);
                verify(control.visible, controls[i]);
                var box = control.mapToItem(view, 0, 0, control.width, control.height);
                verify(box.x >= right - 0.5, controls[i] + " overlaps its left neighbour");
                verify(box.x + box.width <= view.width + 0.5, controls[i] + " is cut off");
                var text = control.contentItem;
                verify(text.contentWidth <= text.width + 0.5, controls[i] + " text too wide");
                verify(text.contentHeight <= control.height, controls[i] + " text too high");
                if (controls[i] !== "changesButton" && controls[i] !== "paramSet1Radio")
                    right = box.x + box.width; // stacked above their neighbours
            }
        }
    
        // The host's own commands: the button shows the action's text without its mnemonic.
        function test_hostActionButtonTriggersItsAction() {
            var actions = testSupport.publishHostActions(["&Drive window"], ["Ctrl+Shift+D"]);
            var view = showAtMinimumSize(1.0);
            var button = child(view, "hostActionButton");
            compare(button.text, "Drive window");
            var triggered = spy(actions[0], "triggered");
            mouseClick(button);
            compare(triggered.count, 1);
        }
    }
}
