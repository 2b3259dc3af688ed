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

    TestCase {
        name: "Pages"
        when: windowShown

        property var config: null

        function initTestCase() {
            testSupport.resetManager(testSupport.copyExample("one_cluster.cpp"), false);
            testSupport.nextOpenFile = testSupport.copyExample("one_cluster.cpp");
            verify(cpp_configManager.loadFromUiEx());
            config = cpp_configManager.configModel;
        }

        function cleanup() {
            config.restoreDefaults();
        }

        function child(parentItem, name) {
            var found = findChild(parentItem, name);
            verify(found, name);
            return found;
        }

        // A page laid out and drawn, so that clicks land on its blocks.
        function shown(page) {
            verify(page);
            waitForRendering(page);
            return page;
        }

        function axisPage() {
            var manager = createTemporaryObject(managerComponent, scene);
            return shown(createTemporaryObject(axisComponent, scene, {
                model: config.lateralConfigModel, pathControllersManager: manager
            }));
        }

        function test_bypassWarningOnlyForUserChecks() {
            // The example's lateral travel path is saved with its speed integration bypassed
            // and its acceleration integration in use.
            var travel = config.lateralConfigModel.travelConfigModel;
            verify(travel.bypassSpeedIntegration && !travel.bypassAccIntegration);
            var page = axisPage();
            var dialog = child(page, "bypassDialog");
            verify(child(page, "velocityToTravelIntegral").checked);
            verify(!dialog.visible, "a bypass read from the file raises no warning");
            verify(!travel.isModified);

            mouseClick(child(child(page, "accToVelocityIntegral"), "bypassSwitch"));
            verify(travel.bypassAccIntegration);
            tryCompare(dialog, "opened", true);
            verify(!page.enabled);
            compare(findChild(dialog.contentItem, "dialogMessage").text,
                    "Bypassing integration may result in unstable and unpredicted platform movement. "
                    + "In the worst scenario machine may reach end of the work envelope and stop. "
                    + "Are you sure you want to continue?");
            mouseClick(findChild(dialog.contentItem, "dialogDismissButton"));
            tryCompare(dialog, "visible", false);
            verify(!travel.bypassAccIntegration);
            verify(!travel.isModified, "cancelling leaves no modification");
            verify(!child(page, "accToVelocityIntegral").checked);
            verify(page.enabled);
        }

        function test_bypassWarningYesKeepsBypass() {
            var angular = config.lateralConfigModel.angularVelocityModel;
            var page = axisPage();
            var dialog = child(page, "bypassDialog");
            mouseClick(child(child(page, "velocityToAngleIntegral"), "bypassSwitch"));
            tryCompare(dialog, "opened", true);
            mouseClick(findChild(dialog.contentItem, "dialogFirstButton"));
            tryCompare(dialog, "visible", false);
            verify(angular.bypassIntegration);
            verify(angular.isModified);
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

        function test_travelSwitchKeepsInputLimitationEnabled() {
            var travel = config.lateralConfigModel.travelConfigModel;
            travel.enabled = true;
            var page = axisPage();
            mouseClick(child(page, "travelSwitch"));
            verify(!travel.enabled);
            var off = ["travelAccelerationFilter", "accToVelocityIntegral", "travelVelocityFilter",
                       "velocityToTravelIntegral", "travelTravelFilter", "travelOutputFilter",
                       "travelLimit", "travelOutput"];
            for (var i = 0; i < off.length; ++i)
                verify(!child(page, off[i]).enabled, off[i]);
            verify(child(page, "accelerationInputLimit").enabled);
            verify(child(page, "accelerationInput").enabled);
        }

        function test_tiltLineStartsWhereTheGInputIs() {
            var page = axisPage();
            var line = child(page, "tiltLine");
            verify(line.connections[0] === child(page, "accelerationInput"));
            verify(line.connections[line.connections.length - 1] === child(page, "angleOutput"));
            page.extraTiltG = true;
            page.heaveToPitchFeature = true;
            verify(line.connections[0] === child(page, "tiltInput"));
            verify(line.connections[line.connections.length - 1] === child(page, "tiltOutput"));
            compare(child(page, "summation").opacity, 0);
        }

        function test_mixerPathOffDisablesAllButInput() {
            var path = config.mixerConfigModel.surgeToPitchModel;
            path.enabled = true;
            var manager = createTemporaryObject(managerComponent, scene);
            var page = shown(createTemporaryObject(mixerComponent, scene, {
                model: config.mixerConfigModel, pathControllersManager: manager
            }));
            var view = child(page, "surgeToPitchPath");
            mouseClick(child(view, "mixerPathSwitch"));
            verify(!path.enabled);
            verify(!child(view, "mixerPathFilter").enabled);
            verify(!child(view, "mixerPathLimit").enabled);
            verify(!child(view, "mixerPathOutput").enabled);
            verify(child(view, "mixerPathInput").enabled);
            verify(child(child(page, "swayToRollPath"), "mixerPathFilter").enabled
                   === config.mixerConfigModel.swayToRollModel.enabled);
        }

        function test_sideslipToYawSwitchAlsoSwitchesSway() {
            var enhancer = config.enhancerConfigModel;
            enhancer.sideslipToYawEnabled = true;
            var manager = createTemporaryObject(managerComponent, scene);
            var page = shown(createTemporaryObject(enhancerComponent, scene, {
                model: enhancer, pathControllersManager: manager
            }));
            verify(child(page, "sideslipPivotPoint").enabled);
            verify(child(page, "sideslipSwayOutput").enabled);
            mouseClick(child(page, "sideslipToYawSwitch"));
            verify(!enhancer.sideslipToYawEnabled);
            verify(!child(page, "sideslipPivotPoint").enabled);
            verify(!child(page, "sideslipSwayOutput").enabled);
            verify(!child(page, "sideslipToYawOutputFilter").enabled);
            verify(child(page, "sideslipToYawInputLimit").enabled);
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
