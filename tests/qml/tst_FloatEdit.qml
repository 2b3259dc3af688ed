import QtQuick 2.15
import QtTest 1.15
import GValidator 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 300
    height: 200

    Component {
        id: editComponent
        FloatEdit {
            objectName: "floatEdit"
            value: 5
        }
    }

    Component {
        id: otherComponent
        FloatEdit {
            objectName: "otherEdit"
            y: 100
        }
    }

    Component {
        id: gEditComponent
        FloatEdit {
            objectName: "gEdit"
            validator: GValidator {
                decimals: 2
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {
            signalName: "valueModified"
        }
    }

    TestCase {
        name: "FloatEdit"
        when: windowShown

        function shown(text) {
            return text.replace(".", cpp_qmlUtils.floatToString(0.5, 1).charAt(1));
        }

        // Types `keys` over the whole text, as a user does.
        function typeOver(edit, keys) {
            edit.forceActiveFocus();
            edit.selectAll();
            for (var i = 0; i < keys.length; ++i)
                keyClick(keys.charAt(i));
        }

        function createEdit() {
            var edit = createTemporaryObject(editComponent, scene);
            var spy = createTemporaryObject(spyComponent, scene, {target: edit});
            return {edit: edit, spy: spy};
        }

        function test_minusOverValueEmitsZeroAndLeavingShowsZero() {
            var t = createEdit();
            var other = createTemporaryObject(otherComponent, scene);
            t.edit.forceActiveFocus();
            t.edit.selectAll();
            keyClick(Qt.Key_Minus);
            compare(t.edit.text, "-");
            compare(t.spy.count, 1);
            compare(t.spy.signalArguments[0][0], 0);
            other.forceActiveFocus();
            tryCompare(t.edit, "activeFocus", false);
            compare(t.edit.text, shown("0.0000"));
        }

        function test_roundsToDecimals() {
            // A page's own validator may admit more decimals than the field keeps.
            var edit = createTemporaryObject(gEditComponent, scene, {decimals: 2});
            edit.validator.decimals = 3;
            var spy = createTemporaryObject(spyComponent, scene, {target: edit});
            typeOver(edit, shown("1.239"));
            compare(edit.text, shown("1.239"));
            fuzzyCompare(spy.signalArguments[spy.count - 1][0], 1.24, 0.00001);
        }

        function test_invalidTextEmitsNothing() {
            var t = createEdit();
            t.edit.text = "abc";
            compare(t.spy.count, 0);
            t.edit.text = "1" + t.edit.displaySeparator + "2" + t.edit.displaySeparator + "3";
            compare(t.spy.count, 0);
        }

        function test_clearingEmitsZeroOnlyWhenValueIsNotZero() {
            var t = createEdit();
            t.edit.forceActiveFocus();
            t.edit.selectAll();
            keyClick(Qt.Key_Delete);
            compare(t.edit.text, "");
            compare(t.spy.count, 1);
            compare(t.spy.signalArguments[0][0], 0);
            t.edit.value = 0;
            keyClick(Qt.Key_Minus);
            compare(t.spy.count, 1);
        }

        function test_zeroValueKeepsEmptyText() {
            var t = createEdit();
            t.edit.text = "";
            t.edit.value = 0;
            compare(t.edit.text, "");
        }

        // A stored -0.00004 shows as "-0,0000"; reporting that text back as an edit wrote 0 over
        // the stored value on every load and parameter-set switch.
        function test_onlyTheUsersEditsAreReported() {
            var t = createEdit();
            t.edit.value = -0.00004;
            compare(t.edit.text, shown("-0.0000"));
            t.edit.value = 1.23456;
            t.edit.text = shown("7.5");
            t.edit.text = "";
            compare(t.spy.count, 0);
        }

        // Typed edits reach the models: the end-to-end and editing-tools tests type into fields.
        function test_valueChangeRewritesText() {
            var t = createEdit();
            compare(t.edit.text, shown("5.0000"), "the value on completion");
            compare(t.spy.count, 0);
            t.edit.value = -2.5;
            compare(t.edit.text, shown("-2.5000"));
            t.edit.value = 0;
            compare(t.edit.text, shown("0.0000"));
        }

        function test_equalValueKeepsTypedText() {
            var t = createEdit();
            t.edit.text = shown("5.0");
            t.edit.value = 5.00001;
            compare(t.edit.text, shown("5.0"));
        }

        function test_replacedValidatorKeepsWithinOneG() {
            var edit = createTemporaryObject(gEditComponent, scene);
            edit.forceActiveFocus();
            edit.selectAll();
            keyClick(Qt.Key_9);
            keyClick(edit.displaySeparator);
            keyClick(Qt.Key_8);
            keyClick(Qt.Key_5);
            compare(edit.text, shown("9.8"));
            keyClick(Qt.Key_1);
            compare(edit.text, shown("9.81"));
            keyClick(Qt.Key_0);
            compare(edit.text, shown("9.81"));
        }

        function test_validatorFollowsBounds() {
            var t = createEdit();
            t.edit.from = 10;
            t.edit.to = -10;
            compare(t.edit.validator.bottom, -10);
            compare(t.edit.validator.top, 10);
        }
    }
}
