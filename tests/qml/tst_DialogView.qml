import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene
    width: 600
    height: 400

    Component {
        id: dialogComponent
        DialogView {
            id: dialog
            property var openWhenEmitted: []
            parentItem: scene
            firstButtonText: "One"
            secondButtonText: "Two"
            onFirstButtonClicked: openWhenEmitted.push(dialog.opened)
            onSecondButtonClicked: openWhenEmitted.push(dialog.opened)
            onDismissed: openWhenEmitted.push(dialog.opened)
        }
    }

    KeoTestCase {
        name: "DialogView"

        function spies(dialog) {
            return {
                first: spy(dialog, "firstButtonClicked"),
                second: spy(dialog, "secondButtonClicked"),
                dismissed: spy(dialog, "dismissed")
            };
        }

        function openDialog() {
            var dialog = createTemporaryObject(dialogComponent, scene);
            dialog.open();
            tryCompare(dialog, "opened", true);
            return dialog;
        }

        function test_buttons_data() {
            return [
                {tag: "first", button: "dialogFirstButton", signal: "first"},
                {tag: "second", button: "dialogSecondButton", signal: "second"},
                {tag: "dismiss", button: "dialogDismissButton", signal: "dismissed"}
            ];
        }

        function test_buttons(data) {
            var dialog = openDialog();
            var s = spies(dialog);
            var button = findChild(dialog.contentItem, data.button);
            verify(button && button.visible);
            mouseClick(button);
            compare(s[data.signal].count, 1);
            compare(s.first.count + s.second.count + s.dismissed.count, 1);
            compare(dialog.openWhenEmitted, [false]);
            tryCompare(dialog, "visible", false);
        }

        function test_escapeClosesWithoutSignal() {
            var dialog = openDialog();
            var s = spies(dialog);
            keyClick(Qt.Key_Escape);
            tryCompare(dialog, "visible", false);
            compare(s.first.count + s.second.count + s.dismissed.count, 0);
        }
    }
}
