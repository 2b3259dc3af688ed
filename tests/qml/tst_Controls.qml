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
    }
}
