import QtQuick 2.15
import QtTest 1.15
import KEOFilterType 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 400
    height: 300

    Component {
        id: comboComponent
        ComboBoxStyled {
            objectName: "combo"
            model: Style.availableFilterTypeNames
            dataList: Style.availableFilterTypes
        }
    }

    Component {
        id: buttonComponent
        TextButton {
            objectName: "button"
            width: 100
            height: 40
            text: "Tab"
        }
    }

    Component {
        id: linkComponent
        TextLink {
            objectName: "link"
            text: "Graph"
        }
    }

    Component {
        id: checkboxComponent
        CheckboxStyled {
            objectName: "checkbox"
        }
    }

    Component {
        id: spinComponent
        DoubleSpinBox {
            objectName: "spin"
            realValue: 99.95
            realStep: 0.1
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        name: "Controls"
        when: windowShown

        function backgroundOf(button) {
            return findChild(button, "textButtonBackground");
        }

        function labelOf(button) {
            return findChild(button, "textButtonLabel");
        }

        function test_comboSelectsLastMatchingEntry() {
            var combo = createTemporaryObject(comboComponent, scene,
                                              {data: KEOFilterType.LowPass});
            compare(combo.currentIndex, 2);
            compare(combo.displayText, "Low pass");
            combo.data = KEOFilterType.None;
            compare(combo.currentIndex, 0);
            combo.dataList = [1, 7, 7];
            combo.data = 7;
            compare(combo.currentIndex, 2);
        }

        function test_comboKeepsSelectionForUnknownValue() {
            var combo = createTemporaryObject(comboComponent, scene,
                                              {data: KEOFilterType.HighPass});
            compare(combo.currentIndex, 1);
            combo.data = 42;
            compare(combo.currentIndex, 1);
            combo.data = "1";
            compare(combo.currentIndex, 1);
        }

        function test_comboPopupListsEntries() {
            var combo = createTemporaryObject(comboComponent, scene, {data: KEOFilterType.None});
            var spy = createTemporaryObject(spyComponent, scene,
                                            {target: combo, signalName: "activated"});
            mouseClick(combo);
            tryCompare(combo.popup, "opened", true);
            var entry = null;
            tryVerify(function () {
                entry = combo.popup.contentItem.itemAtIndex(2);
                return entry !== null;
            });
            compare(entry.objectName, "comboEntry2");
            mouseClick(entry);
            compare(spy.count, 1);
            compare(combo.currentIndex, 2);
            tryCompare(combo.popup, "visible", false);
        }

        function test_checkedButtonLooksHovered() {
            var hovered = createTemporaryObject(buttonComponent, scene);
            var checked = createTemporaryObject(buttonComponent, scene, {x: 200});
            var plain = createTemporaryObject(buttonComponent, scene, {y: 100});
            mouseMove(hovered, 10, 10);
            tryCompare(hovered, "hovered", true);
            checked.checked = true;
            tryVerify(function () {
                return Qt.colorEqual(backgroundOf(hovered).color, Style.buttonHoveredColor);
            });
            tryVerify(function () {
                return Qt.colorEqual(backgroundOf(checked).color, Style.buttonHoveredColor);
            });
            verify(Qt.colorEqual(labelOf(checked).color, "white"));
            verify(Qt.colorEqual(labelOf(hovered).color, "white"));
            verify(Qt.colorEqual(backgroundOf(plain).color, Style.buttonColor));
            verify(Qt.colorEqual(labelOf(plain).color, Style.textTabColor));
        }

        function test_disabledButtonUsesDefaultColor() {
            var button = createTemporaryObject(buttonComponent, scene, {checked: true});
            button.enabled = false;
            tryVerify(function () {
                return Qt.colorEqual(backgroundOf(button).color, Style.buttonColor);
            });
            verify(Qt.colorEqual(labelOf(button).color, Style.textColorDisabled));
        }

        function test_linkEmitsClicked() {
            var link = createTemporaryObject(linkComponent, scene);
            var spy = createTemporaryObject(spyComponent, scene,
                                            {target: link, signalName: "clicked"});
            mouseClick(link);
            compare(spy.count, 1);
            verify(link.font.underline);
            link.enabled = false;
            mouseClick(link);
            compare(spy.count, 1);
            verify(Qt.colorEqual(link.color, Style.textColorDisabled));
        }

        function test_checkboxShowsMarkWhenChecked() {
            var box = createTemporaryObject(checkboxComponent, scene);
            var mark = findChild(box, "checkboxMark");
            verify(!mark.visible);
            mouseClick(box);
            verify(box.checked);
            verify(mark.visible);
            tryCompare(mark, "status", Image.Ready);
        }

        function test_spinBoxArrowsEmitSteppedValues() {
            var spin = createTemporaryObject(spinComponent, scene);
            var spy = createTemporaryObject(spyComponent, scene,
                                            {target: spin, signalName: "realValueModified"});
            mouseClick(spin.up.indicator);
            compare(spy.count, 1);
            compare(spy.signalArguments[0][0], 100);
            compare(spin.value, spin.restingValue);
            spin.realValue = 0.05;
            mouseClick(spin.down.indicator);
            compare(spy.count, 2);
            compare(spy.signalArguments[1][0], 0);
            compare(spin.value, spin.restingValue);
        }
    }
}
