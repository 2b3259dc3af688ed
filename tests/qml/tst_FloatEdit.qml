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
            value: 5
        }
    }

    Component {
        id: otherComponent
        FloatEdit {
            y: 100
        }
    }

    Component {
        id: gEditComponent
        FloatEdit {
            validator: GValidator {
                decimals: 2
            }
        }
    }

    KeoTestCase {
        name: "FloatEdit"

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
            return {edit: edit, spy: spy(edit, "valueModified")};
        }

        function test_roundsToDecimals() {
            // A page's own validator may admit more decimals than the field keeps.
            var edit = createTemporaryObject(gEditComponent, scene, {decimals: 2});
            edit.validator.decimals = 3;
            var modified = spy(edit, "valueModified");
            typeOver(edit, shown("1.239"));
            compare(edit.text, shown("1.239"));
            fuzzyCompare(modified.signalArguments[modified.count - 1][0], 1.24, 0.00001);
        }

        // A field cleared, or holding only a minus, reports 0 once: the 0 the model then writes
        // back leaves the text as typed, and a minus typed next reports nothing. Leaving the
        // field shows the 0.
        function test_clearingEmitsZeroOnce_data() {
            return [{tag: "minus", key: Qt.Key_Minus, text: "-"},
                    {tag: "delete", key: Qt.Key_Delete, text: ""}];
        }

        function test_clearingEmitsZeroOnce(data) {
            var t = createEdit();
            var other = createTemporaryObject(otherComponent, scene);
            t.edit.forceActiveFocus();
            t.edit.selectAll();
            keyClick(data.key);
            compare(t.edit.text, data.text);
            compare(t.spy.count, 1);
            compare(t.spy.signalArguments[0][0], 0);
            t.edit.value = 0;
            compare(t.edit.text, data.text);
            keyClick(Qt.Key_Minus);
            compare(t.spy.count, 1);
            other.forceActiveFocus();
            tryCompare(t.edit, "activeFocus", false);
            compare(t.edit.text, shown("0.0000"));
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
            t.edit.text = "abc";
            compare(t.spy.count, 0);
        }

        // A new value rewrites the text, unless the text already reads as that value.
        function test_valueRewritesText_data() {
            return [
                {tag: "on completion", typed: null, value: 5, text: "5.0000"},
                {tag: "negative", typed: null, value: -2.5, text: "-2.5000"},
                {tag: "zero", typed: null, value: 0, text: "0.0000"},
                {tag: "equal when rounded", typed: "5.0", value: 5.00001, text: "5.0"}
            ];
        }

        // Typed edits reach the models: the end-to-end and editing-tools tests type into fields.
        function test_valueRewritesText(data) {
            var t = createEdit();
            if (data.typed !== null)
                t.edit.text = shown(data.typed);
            t.edit.value = data.value;
            compare(t.edit.text, shown(data.text));
            compare(t.spy.count, 0);
        }

        function test_replacedValidatorKeepsWithinOneG() {
            var edit = createTemporaryObject(gEditComponent, scene);
            typeOver(edit, shown("9.85"));
            compare(edit.text, shown("9.8"));
            keyClick(Qt.Key_1);
            compare(edit.text, shown("9.81"));
            keyClick(Qt.Key_0);
            compare(edit.text, shown("9.81"));
        }
    }
}
