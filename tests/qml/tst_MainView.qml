import QtQuick 2.15
import QtTest 1.15
import KEOParamSet 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 1700
    height: 900

    Component {
        id: mainViewComponent
        MainView {
            anchors.fill: parent
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        id: testCase
        name: "MainView"
        when: windowShown

        property string scriptPath: ""

        function createView(example, attached) {
            scriptPath = testSupport.copyExample(example);
            testSupport.resetManager(scriptPath, attached === true);
            testSupport.nextOpenFile = "";
            return createTemporaryObject(mainViewComponent, scene);
        }

        function item(view, name) {
            var found = findChild(view, name);
            verify(found, name);
            return found;
        }

        function clickLoad(view, file) {
            testSupport.nextOpenFile = file;
            mouseClick(item(view, "loadTabButton"));
        }

        function loadedView(example) {
            var view = createView("two_clusters.cpp");
            clickLoad(view, testSupport.copyExample(example));
            verify(cpp_configManager.isConfigLoaded);
            scriptPath = cpp_configManager.configFilePath;
            return view;
        }

        function dialogButton(dialog, name) {
            return findChild(dialog.contentItem, name);
        }

        function test_startsOnLoadPageWhenNothingLoaded() {
            var view = createView("two_clusters.cpp");
            verify(item(view, "loadPage").visible);
            verify(!item(view, "lateralPage").visible);
            verify(!item(view, "lateralTabButton").enabled);
            verify(!item(view, "optionsTabButton").enabled);
            verify(!item(view, "saveTabButton").enabled);
            verify(!item(view, "paramSet1Radio").enabled);
            verify(!item(view, "clusterLabel").visible);
            verify(item(view, "loadTabButton").visible);
            compare(item(view, "loadPageButton").text, "Load script file...");
            testSupport.nextOpenFile = testSupport.copyExample("one_cluster.cpp");
            mouseClick(item(view, "loadPageButton"));
            verify(cpp_configManager.isConfigLoaded);
            verify(item(view, "lateralPage").visible);
            verify(!item(view, "loadPage").visible);
            verify(item(view, "lateralTabButton").checked);
            verify(!view.loadingScript);
        }

        function test_startsOnLateralPageWhenLoaded() {
            var path = testSupport.copyExample("one_cluster.cpp");
            var manager = testSupport.resetManager(path, true);
            manager.loadFromUi();
            verify(manager.isConfigLoaded);
            var view = createTemporaryObject(mainViewComponent, scene);
            verify(item(view, "lateralPage").visible);
            verify(!item(view, "loadPage").visible);
            verify(item(view, "lateralTabButton").checked);
        }

        function test_tabTextsAndPages() {
            var view = loadedView("one_cluster.cpp");
            var expected = [
                ["lateralTabButton", "Lateral acceleration and roll rate", "lateralPage"],
                ["longitudinalTabButton", "Longitudinal acceleration and pitch rate",
                 "longitudinalPage"],
                ["verticalTabButton", "Vertical acceleration and yaw rate", "verticalPage"],
                ["absoluteTabButton", "Body\n roll and pitch", "absolutePage"],
                ["mixerTabButton", "DoF mixer", "mixerPage"],
                ["enhancerTabButton", "Enhancer", "enhancerPage"],
                ["understeerTabButton", "Understeer", "understeerPage"],
                ["multiplexerTabButton", "Multiplexer", "multiplexerPage"],
                ["optionsTabButton", "Options", "optionsPage"]
            ];
            for (var i = 0; i < expected.length; ++i) {
                var button = item(view, expected[i][0]);
                compare(button.text, expected[i][1]);
                mouseClick(button);
                verify(button.checked);
                var shown = view.tabs.filter(function (page) { return page.visible; });
                compare(shown.length, 1, expected[i][2]);
                compare(shown[0], item(view, expected[i][2]));
            }
            compare(view.tabs.length, 10);
            compare(view.tabHeaders[9], null);
        }

        function test_saveAndTabTextsCarryTheModifiedMark() {
            var view = loadedView("one_cluster.cpp");
            var save = item(view, "saveTabButton");
            compare(save.text, "Save");
            verify(!save.enabled);
            var understeer = cpp_configManager.configModel.understeerConfigModel;
            understeer.toYawEnabled = !understeer.toYawEnabled;
            compare(save.text, "Save*");
            verify(save.enabled);
            compare(item(view, "understeerTabButton").text, "Understeer");
            understeer.restoreDefaults();
            compare(save.text, "Save");
            verify(!save.enabled);
            // The axis pages carry their own mark.
            var filter = cpp_configManager.configModel.lateralConfigModel.travelConfigModel
                .accelerationFilterModel;
            filter.cutoffFrequency = filter.cutoffFrequency + 1;
            compare(item(view, "lateralTabButton").text, "Lateral acceleration and roll rate*");
            compare(item(view, "longitudinalTabButton").text,
                    "Longitudinal acceleration and pitch rate");
            compare(save.text, "Save*");
        }

        function test_savesOnlyWhenModified_data() {
            return [{tag: "button"}, {tag: "Ctrl+S"}];
        }

        function test_savesOnlyWhenModified(data) {
            var view = loadedView("one_cluster.cpp");
            var save = function () {
                if (data.tag === "button")
                    mouseClick(item(view, "saveTabButton"));
                else
                    keySequence(StandardKey.Save);
            };
            var before = testSupport.readFile(scriptPath);
            verify(before.length > 0);
            save();
            compare(testSupport.readFile(scriptPath), before);
            var understeer = cpp_configManager.configModel.understeerConfigModel;
            understeer.toYawEnabled = !understeer.toYawEnabled;
            save();
            verify(!cpp_configManager.configModel.isModified);
            verify(testSupport.readFile(scriptPath) !== before);
        }

        function test_clusterDialogSelectsCluster_data() {
            return [
                {tag: "first", button: "dialogFirstButton", text: "Cluster #1", id: 0},
                {tag: "second", button: "dialogSecondButton", text: "Cluster #2", id: 1}
            ];
        }

        function test_clusterDialogSelectsCluster(data) {
            var view = createView("one_cluster.cpp");
            var dialog = item(view, "clusterDialog");
            clickLoad(view, testSupport.copyExample("two_clusters.cpp"));
            tryCompare(dialog, "opened", true);
            verify(!view.enabled);
            compare(findChild(dialog.contentItem, "dialogMessage").text,
                    "Select cluster configuration to load:");
            verify(!cpp_configManager.isConfigLoaded);
            var button = dialogButton(dialog, data.button);
            compare(button.text, data.text);
            mouseClick(button);
            tryCompare(dialog, "visible", false);
            verify(view.enabled);
            verify(cpp_configManager.isConfigLoaded);
            compare(cpp_configManager.configModelId, data.id);
            verify(item(view, "lateralPage").visible);
            var label = item(view, "clusterLabel");
            verify(label.visible);
            compare(label.text, data.text);
        }

        function test_clusterDialogCancelKeepsState() {
            var view = loadedView("one_cluster.cpp");
            var loadedPath = cpp_configManager.configFilePath;
            mouseClick(item(view, "enhancerTabButton"));
            var paramSet = cpp_configManager.paramSetModel;
            var dialog = item(view, "clusterDialog");
            clickLoad(view, testSupport.copyExample("two_clusters.cpp"));
            tryCompare(dialog, "opened", true);
            var shownPages = view.tabs.filter(function (page) { return page.visible; });
            mouseClick(dialogButton(dialog, "dialogDismissButton"));
            tryCompare(dialog, "visible", false);
            verify(view.enabled);
            verify(cpp_configManager.isConfigLoaded);
            compare(cpp_configManager.configFilePath, loadedPath);
            compare(cpp_configManager.configModelId, 0);
            compare(item(view, "clusterLabel").text, "Cluster #1");
            compare(view.tabs.filter(function (page) { return page.visible; }), shownPages);
            compare(shownPages.length, 1);
        }

        function test_clusterDialogCancelWithNothingLoaded() {
            var view = createView("one_cluster.cpp");
            var dialog = item(view, "clusterDialog");
            clickLoad(view, testSupport.copyExample("two_clusters.cpp"));
            tryCompare(dialog, "opened", true);
            keyClick(Qt.Key_Escape);
            tryCompare(dialog, "visible", false);
            verify(!cpp_configManager.isConfigLoaded);
            verify(item(view, "loadPage").visible);
            verify(!item(view, "lateralTabButton").enabled);
        }

        function test_errorPopupOpensOnEveryError() {
            var view = createView("one_cluster.cpp");
            var dialog = item(view, "errorDialog");
            var spy = createTemporaryObject(spyComponent, scene,
                                            {target: dialog, signalName: "aboutToShow"});
            var messages = [];
            for (var i = 0; i < 2; ++i) {
                clickLoad(view, testSupport.missingFile());
                tryCompare(dialog, "opened", true);
                compare(spy.count, i + 1);
                verify(!view.enabled);
                var message = findChild(dialog.contentItem, "dialogMessage");
                compare(message.text, cpp_configManager.errorMessage);
                verify(message.text.length > 0);
                messages.push(message.text);
                var ok = dialogButton(dialog, "dialogDismissButton");
                compare(ok.text, "OK");
                verify(!dialogButton(dialog, "dialogFirstButton").visible);
                verify(!dialogButton(dialog, "dialogSecondButton").visible);
                mouseClick(ok);
                tryCompare(dialog, "visible", false);
                verify(view.enabled);
            }
            compare(messages[0], messages[1]);
            compare(cpp_configManager.errorCounter, 2);
            verify(item(view, "loadPage").visible);
        }

        function test_noLoadButtonWhenAttached() {
            var view = createView("one_cluster.cpp", true);
            verify(!item(view, "loadTabButton").visible);
            var loadPageButton = item(view, "loadPageButton");
            verify(loadPageButton.visible);
            testSupport.nextOpenFile = testSupport.copyExample("one_cluster.cpp");
            mouseClick(loadPageButton);
            verify(cpp_configManager.isConfigLoaded);
            verify(item(view, "lateralPage").visible);
        }

        function test_cancelledFileChooserKeepsLoadPage() {
            var view = createView("one_cluster.cpp");
            var requests = testSupport.openFileRequests;
            clickLoad(view, "");
            compare(testSupport.openFileRequests, requests + 1);
            verify(item(view, "loadPage").visible);
            verify(!item(view, "errorDialog").visible);
        }

        function test_paramSetRadiosWriteIndex() {
            var view = loadedView("one_cluster.cpp");
            var first = item(view, "paramSet1Radio");
            var second = item(view, "paramSet2Radio");
            compare([first.text, second.text], ["Param set #1", "Param set #2"]);
            verify(first.enabled && second.enabled);
            verify(first.checked);
            verify(!second.checked);
            mouseClick(second);
            compare(cpp_configManager.paramSetModel.paramSetIndex, KEOParamSet.Second);
            verify(second.checked);
            verify(!first.checked);
            mouseClick(first);
            compare(cpp_configManager.paramSetModel.paramSetIndex, KEOParamSet.First);
            cpp_configManager.paramSetModel.paramSetIndex = KEOParamSet.Second;
            verify(second.checked);
            verify(!first.checked);
        }
    }
}
