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
            model: Style.availableFilterTypeNames
            dataList: Style.availableFilterTypes
        }
    }

    Component {
        id: spinComponent
        DoubleSpinBox {
            realValue: 99.95
            realStep: 0.1
        }
    }

    KeoTestCase {
        name: "Controls"

        // The last entry holding the value is selected; an unknown value keeps the selection.
        function test_comboSelectsByValue() {
            var combo = createTemporaryObject(comboComponent, scene,
                                              {data: KEOFilterType.LowPass});
            compare(combo.currentIndex, 2);
            compare(combo.displayText, "Low pass");
            combo.data = KEOFilterType.HighPass;
            compare(combo.currentIndex, 1);
            combo.data = 42;
            compare(combo.currentIndex, 1);
            combo.data = "1";
            compare(combo.currentIndex, 1);
            combo.dataList = [1, 7, 7];
            combo.data = 7;
            compare(combo.currentIndex, 2);
        }

        function test_comboPopupListsEntries() {
            var combo = createTemporaryObject(comboComponent, scene, {data: KEOFilterType.None});
            var activated = spy(combo, "activated");
            mouseClick(combo);
            tryCompare(combo.popup, "opened", true);
            var entry = null;
            tryVerify(function () {
                entry = combo.popup.contentItem.itemAtIndex(2);
                return entry !== null;
            });
            compare(entry.objectName, "comboEntry2");
            mouseClick(entry);
            compare(activated.count, 1);
            compare(combo.currentIndex, 2);
            tryCompare(combo.popup, "visible", false);
        }

        function test_spinBoxArrowsEmitSteppedValues() {
            var spin = createTemporaryObject(spinComponent, scene);
            var modified = spy(spin, "realValueModified");
            mouseClick(spin.up.indicator);
            compare(modified.count, 1);
            compare(modified.signalArguments[0][0], 100);
            compare(spin.value, spin.restingValue);
            spin.realValue = 0.05;
            mouseClick(spin.down.indicator);
            compare(modified.count, 2);
            compare(modified.signalArguments[1][0], 0);
            compare(spin.value, spin.restingValue);
        }
    }
}
