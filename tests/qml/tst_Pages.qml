import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene
    width: 1700
    height: 900

    Component {
        id: managerComponent
        PathControllersManager {}
    }

    Component {
        id: axisComponent
        KEO_AxisConfig {
            anchors.fill: parent
            input_accName: "Lateral\n acceleration\n [m/s\u00B2]"
        }
    }

    Component {
        id: mixerComponent
        KEO_MixerConfig {
            anchors.fill: parent
            angleUnit: "deg"
        }
    }

    Component {
        id: enhancerComponent
        KEO_Enhancer {
            anchors.fill: parent
            angleUnit: "deg"
        }
    }

    Component {
        id: optionsComponent
        KEO_AlgorithmOptions {
            width: scene.width
        }
    }

    KeoTestCase {
        name: "Pages"

        property var config: null

        function initTestCase() {
            loadExample("one_cluster.cpp");
            config = cpp_configManager.configModel;
            // A bypass as a file may hold it: the lateral travel's speed integration, saved so.
            config.lateralConfigModel.travelConfigModel.bypassSpeedIntegration = true;
            cpp_configManager.saveFromUi();
            verify(!config.lateralConfigModel.travelConfigModel.isModified);
        }

        function cleanup() {
            config.restoreDefaults();
        }

        // A page laid out and drawn, so that clicks land on its blocks.
        function shown(page) {
            verify(page);
            waitForRendering(page);
            return page;
        }

        function shownPage(component, model) {
            return shown(createTemporaryObject(component, scene, {
                model: model, pathControllersManager: createTemporaryObject(managerComponent, scene)
            }));
        }

        function axisPage() {
            return shownPage(axisComponent, config.lateralConfigModel);
        }

        // A bypass the user switches on is confirmed or cancelled in a warning; the lateral travel
        // path saved with its speed integration bypassed warns of nothing.
        function test_bypassWarning_data() {
            return [
                {tag: "cancelled", integral: "accToVelocityIntegral", model: "travelConfigModel",
                 bypass: "bypassAccIntegration", answer: "dialogDismissButton", kept: false},
                {tag: "confirmed", integral: "velocityToAngleIntegral",
                 model: "angularVelocityModel", bypass: "bypassIntegration",
                 answer: "dialogFirstButton", kept: true}
            ];
        }

        function test_bypassWarning(data) {
            var model = config.lateralConfigModel[data.model];
            verify(config.lateralConfigModel.travelConfigModel.bypassSpeedIntegration);
            var page = axisPage();
            var dialog = child(page, "bypassDialog");
            verify(child(page, "velocityToTravelIntegral").checked);
            verify(!dialog.visible, "a bypass read from the file raises no warning");
            verify(!model.isModified);

            mouseClick(child(child(page, data.integral), "bypassSwitch"));
            verify(model[data.bypass]);
            tryCompare(dialog, "opened", true);
            verify(!page.enabled);
            mouseClick(findChild(dialog.contentItem, data.answer));
            tryCompare(dialog, "visible", false);
            verify(page.enabled);
            compare(model[data.bypass], data.kept);
            compare(model.isModified, data.kept, "cancelling leaves no modification");
            compare(child(page, data.integral).checked, data.kept);
        }

        // No warning for removing a bypass, nor while a script is being loaded.
        function test_noBypassWarningWhenUncheckingOrLoading() {
            var travel = config.lateralConfigModel.travelConfigModel;
            var page = axisPage();
            mouseClick(child(child(page, "velocityToTravelIntegral"), "bypassSwitch"));
            verify(!travel.bypassSpeedIntegration);
            page.canShowSkipIntegrationPopup = false;
            mouseClick(child(child(page, "accToVelocityIntegral"), "bypassSwitch"));
            verify(travel.bypassAccIntegration);
            verify(!child(page, "bypassDialog").visible);
        }

        // A path's switch disables its blocks but not its input, nor a neighbouring path: `model`
        // is the page's, `path` the switched one below it (or the page's own), `scope` the item
        // holding the path's blocks.
        function test_pathSwitchDisablesAllButItsInput_data() {
            return [
                {tag: "travel", page: axisComponent, model: "lateralConfigModel",
                 path: "travelConfigModel", flag: "enabled", scope: "", button: "travelSwitch",
                 off: ["travelAccelerationFilter", "accToVelocityIntegral", "travelVelocityFilter",
                       "velocityToTravelIntegral", "travelTravelFilter", "travelOutputFilter",
                       "travelLimit", "travelOutput"],
                 on: ["accelerationInputLimit", "accelerationInput"]},
                {tag: "mixer", page: mixerComponent, model: "mixerConfigModel",
                 path: "surgeToPitchModel", flag: "enabled", scope: "surgeToPitchPath",
                 button: "mixerPathSwitch", off: ["mixerPathFilter", "mixerPathLimit",
                 "mixerPathOutput"], on: ["mixerPathInput"], neighbour: ["swayToRollPath",
                 "mixerPathFilter", "swayToRollModel"]},
                {tag: "sideslip to yaw", page: enhancerComponent, model: "enhancerConfigModel",
                 path: "", flag: "sideslipToYawEnabled", scope: "", button: "sideslipToYawSwitch",
                 off: ["sideslipPivotPoint", "sideslipSwayOutput", "sideslipToYawOutputFilter"],
                 on: ["sideslipToYawInputLimit"]}
            ];
        }

        function test_pathSwitchDisablesAllButItsInput(data) {
            var pageModel = config[data.model];
            var path = data.path ? pageModel[data.path] : pageModel;
            path[data.flag] = true;
            if (data.neighbour)
                pageModel[data.neighbour[2]].enabled = true;
            var page = shownPage(data.page, pageModel);
            var scope = data.scope ? child(page, data.scope) : page;
            for (var i = 0; i < data.off.length; ++i)
                verify(child(scope, data.off[i]).enabled, data.off[i] + " while on");
            mouseClick(child(scope, data.button));
            verify(!path[data.flag]);
            for (i = 0; i < data.off.length; ++i)
                verify(!child(scope, data.off[i]).enabled, data.off[i]);
            for (i = 0; i < data.on.length; ++i)
                verify(child(scope, data.on[i]).enabled, data.on[i]);
            if (data.neighbour)
                verify(child(child(page, data.neighbour[0]), data.neighbour[1]).enabled);
        }

        function test_t1OffDisablesT2AndT3WithoutChangingThem() {
            config.enableAccMatrix = true;
            config.enableAccMatrixTranslationBefore = true;
            config.enableAccMatrixTranslationAfter = false;
            var page = shown(createTemporaryObject(optionsComponent, scene));
            var t2 = child(page, "enableAccMatrixTranslationBefore");
            var t3 = child(page, "enableAccMatrixTranslationAfter");
            verify(t2.enabled && t3.enabled);
            mouseClick(child(page, "enableAccMatrix"));
            verify(!config.enableAccMatrix);
            verify(!t2.enabled && !t3.enabled);
            verify(t2.checked && !t3.checked);
            verify(config.enableAccMatrixTranslationBefore);
            verify(!config.enableAccMatrixTranslationAfter);
        }
    }
}
