import QtQuick 2.15
import QtTest 1.15
import KEOFilterType 1.0
import KEOLimitationType 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 900
    height: 700

    Item { id: shared }
    Item { id: onlyFirst }

    Component {
        id: managerComponent
        PathControllersManager {}
    }

    Component {
        id: controllerComponent
        KEO_PathController {}
    }

    Component {
        id: limitComponent
        KEO_LimitConfigView {
            width: Style.scaleFactorWidth
            height: Math.max(Style.blockHeight, implicitHeight)
        }
    }

    Component {
        id: filterComponent
        KEO_FilterConfigView {
            width: Style.blockWidth
            height: Math.max(Style.blockHeight, implicitHeight)
        }
    }

    Component {
        id: comboComponent
        ComboBoxStyled {
            model: Style.availableFilterTypeNames
            dataList: Style.availableFilterTypes
        }
    }

    KeoTestCase {
        name: "Blocks"

        property var axis: null

        function initTestCase() {
            loadExample("one_cluster.cpp");
            axis = cpp_configManager.configModel.lateralConfigModel;
        }

        function cleanup() {
            cpp_configManager.configModel.restoreDefaults();
            cpp_workEnvelope.sway = 0;
        }

        function test_sharedElementFollowsEitherSwitch() {
            var manager = createTemporaryObject(managerComponent, scene);
            var first = createTemporaryObject(controllerComponent, scene, {
                manager: manager, pathEnabled: false, pathElements: [shared, onlyFirst]
            });
            var second = createTemporaryObject(controllerComponent, scene, {
                manager: manager, pathEnabled: false, pathElements: [shared], x: 100
            });
            verify(!shared.enabled && !onlyFirst.enabled);

            mouseClick(second);
            verify(second.pathEnabled);
            verify(shared.enabled);
            verify(!onlyFirst.enabled);

            mouseClick(first);
            verify(shared.enabled && onlyFirst.enabled);

            mouseClick(first);
            verify(shared.enabled, "the other switch still holds the shared element");
            verify(!onlyFirst.enabled);

            mouseClick(second);
            verify(!shared.enabled);
        }

        function test_limitTypeNoneDisablesEditsButNotRestore() {
            var model = axis.tiltCoordinationInputLimitModel;
            var block = createTemporaryObject(limitComponent, scene, {
                model: model, maxValueEnabled: true, maxValueFromWorkEnvelope: true,
                ilustrationEnabled: true,
                availableLimitationTypes: Style.availableInputLimitationTypes,
                availableLimitationTypeNames: Style.availableInputLimitationTypeNames
            });
            var edits = ["factorEdit", "maxValueEdit", "percentageEdit", "ilustrateLink"];
            for (var type of [KEOLimitationType.Logistic, KEOLimitationType.None]) {
                model.limitationType = type;
                for (var i = 0; i < edits.length; ++i)
                    compare(child(block, edits[i]).enabled, type !== KEOLimitationType.None,
                            edits[i] + " with type " + type);
            }

            var saved = model.maxValue;
            model.maxValue = saved + 1;
            verify(model.isModified);
            var restore = child(block, "restoreLink");
            compare(restore.text, "Rest.");
            verify(restore.enabled);
            mouseClick(restore);
            verify(!model.isModified);
            compare(model.maxValue, saved);
            verify(!restore.enabled);
        }

        function test_percentageOfZeroEnvelopeIsNotAvailable() {
            var block = createTemporaryObject(limitComponent, scene, {
                model: axis.travelConfigModel.outputTravelLimitationModel,
                maxValueFromWorkEnvelope: true, maxValueUnit: "m",
                workEnvelopeMaxValue: Qt.binding(function() { return cpp_workEnvelope.sway; })
            });
            var label = child(block, "percentageLabel");
            compare(label.text, "[%] of: N/A");
            cpp_workEnvelope.sway = 0.25;
            compare(label.text, "[%] of: <b>0.25</b> [m]");
        }

        function test_illustrationSurvivesZeroMaximum() {
            var model = axis.accelerationInputLimitModel;
            model.limitationType = KEOLimitationType.Gain;
            model.maxValue = 0;
            var block = createTemporaryObject(limitComponent, scene, {
                model: model, maxValueEnabled: true, ilustrationEnabled: true
            });
            block.showIlustration();
            var window = block.ilustrationWindow;
            tryCompare(window, "visible", true);
            var canvas = findChild(window.contentItem, "ilustrationCanvas");
            verify(canvas);
            verify(isFinite(canvas.scaleFactor) && canvas.scaleFactor > 0);
            var painted = spy(canvas, "painted");
            canvas.requestPaint();
            painted.wait();
            canvas.mouseX = canvas.width * 0.75;
            window.updateReading();
            verify(window.input > 0);
            verify(isFinite(window.output));
            compare(window.output, model.callLimitationFunction(window.input, 0, model.limitationFactor));
            window.close();
        }

        function test_hiddenTypeSelectorKeepsCutoffEditable() {
            var model = axis.travelConfigModel.accelerationFilterModel;
            model.filterType = KEOFilterType.None;
            var fixed = createTemporaryObject(filterComponent, scene, {
                model: model, filterTypeSelectorVisible: false
            });
            verify(child(fixed, "cutoffEdit").enabled);
            var selectable = createTemporaryObject(filterComponent, scene, {
                model: model, availableFilterTypes: Style.availableFilterTypes,
                availableFilterTypeNames: Style.availableFilterTypeNames
            });
            verify(!child(selectable, "cutoffEdit").enabled);
            model.filterType = KEOFilterType.HighPass;
            verify(child(selectable, "cutoffEdit").enabled);
        }

        // The type selectors: the last entry holding the value is selected; an unknown value keeps
        // the selection.
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
