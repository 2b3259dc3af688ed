import QtQuick 2.15
import QtTest 1.15
import KEOParamSet 1.0
import "qrc:/keoqml"

Item {
    id: scene
    width: 1700
    height: 900

    KeoTestCase {
        name: "MainView"

        property string scriptPath: ""

        function createView(example, attached) {
            scriptPath = resetTo(example, attached);
            return createMainView();
        }

        function clickLoad(view, file) {
            testSupport.nextOpenFile = file;
            mouseClick(child(view, "loadTabButton"));
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

        function shownPages(view) {
            return view.tabs.filter(function (page) { return page.visible; });
        }

        function test_startsOnLoadPageWhenNothingLoaded() {
            var view = createView("two_clusters.cpp");
            verify(child(view, "loadPage").visible);
            verify(!child(view, "lateralPage").visible);
            var disabled = ["lateralTabButton", "optionsTabButton", "saveTabButton", "paramSet1Radio"];
            for (var i = 0; i < disabled.length; ++i)
                verify(!child(view, disabled[i]).enabled, disabled[i]);
            compare(child(view, "saveTabButton").text, "Save", "no edits, no mark");
            verify(!child(view, "clusterLabel").visible);
            verify(child(view, "loadTabButton").visible);
        }

        // Which button shows which page is the untouched-editor test's table.
        function test_eachTabShowsOnlyItsPage() {
            var view = loadedView("one_cluster.cpp");
            compare(view.tabs.length, view.tabHeaders.length);
            for (var i = 0; i < view.tabHeaders.length; ++i) {
                var button = view.tabHeaders[i];
                if (!button)
                    continue;
                mouseClick(button);
                compare(shownPages(view), [view.tabs[i]], button.objectName);
                compare(view.tabHeaders.filter(function (header) {
                    return header && header.checked;
                }), [button], button.objectName);
            }
        }

        function test_saveAndTabTextsCarryTheModifiedMark() {
            var view = loadedView("one_cluster.cpp");
            var save = child(view, "saveTabButton");
            compare(save.text, "Save");
            verify(!save.enabled);
            var understeer = cpp_configManager.configModel.understeerConfigModel;
            understeer.toYawEnabled = !understeer.toYawEnabled;
            compare(save.text, "Save*");
            verify(save.enabled);
            compare(child(view, "understeerTabButton").text, "Understeer");
            understeer.restoreDefaults();
            compare(save.text, "Save");
            verify(!save.enabled);
            // The axis pages carry their own mark.
            var filter = cpp_configManager.configModel.lateralConfigModel.travelConfigModel
                .accelerationFilterModel;
            filter.cutoffFrequency = filter.cutoffFrequency + 1;
            compare(child(view, "lateralTabButton").text, "Lateral acceleration and roll rate*");
            compare(child(view, "longitudinalTabButton").text,
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
                    mouseClick(child(view, "saveTabButton"));
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

        // Both buttons choose their cluster in the untouched-editor test, the second also in the
        // end-to-end test; here the view around the choice.
        function test_clusterDialogSelectsCluster() {
            var view = createView("one_cluster.cpp");
            var dialog = child(view, "clusterDialog");
            clickLoad(view, testSupport.copyExample("two_clusters.cpp"));
            tryCompare(dialog, "opened", true);
            verify(!view.enabled);
            verify(!cpp_configManager.isConfigLoaded);
            mouseClick(dialogButton(dialog, "dialogSecondButton"));
            tryCompare(dialog, "visible", false);
            verify(view.enabled);
            compare(cpp_configManager.configModelId, 1);
            compare(shownPages(view), [child(view, "lateralPage")]);
            var label = child(view, "clusterLabel");
            verify(label.visible);
            compare(label.text, "Cluster #2");
        }

        function test_clusterDialogCancelKeepsState() {
            var view = loadedView("one_cluster.cpp");
            var loadedPath = cpp_configManager.configFilePath;
            mouseClick(child(view, "enhancerTabButton"));
            var dialog = child(view, "clusterDialog");
            clickLoad(view, testSupport.copyExample("two_clusters.cpp"));
            tryCompare(dialog, "opened", true);
            var pagesBefore = shownPages(view);
            mouseClick(dialogButton(dialog, "dialogDismissButton"));
            tryCompare(dialog, "visible", false);
            verify(view.enabled);
            verify(cpp_configManager.isConfigLoaded);
            compare(cpp_configManager.configFilePath, loadedPath);
            compare(cpp_configManager.configModelId, 0);
            compare(child(view, "clusterLabel").text, "Cluster #1");
            compare(shownPages(view), pagesBefore);
            compare(pagesBefore.length, 1);
        }

        function test_errorPopupOpensOnEveryError() {
            var view = createView("one_cluster.cpp");
            var dialog = child(view, "errorDialog");
            var shows = spy(dialog, "aboutToShow");
            for (var i = 0; i < 2; ++i) {
                clickLoad(view, testSupport.missingFile());
                tryCompare(dialog, "opened", true);
                compare(shows.count, i + 1);
                verify(!view.enabled);
                var message = findChild(dialog.contentItem, "dialogMessage");
                compare(message.text, cpp_configManager.errorMessage);
                verify(message.text.length > 0);
                verify(!dialogButton(dialog, "dialogFirstButton").visible);
                verify(!dialogButton(dialog, "dialogSecondButton").visible);
                mouseClick(dialogButton(dialog, "dialogDismissButton"));
                tryCompare(dialog, "visible", false);
                verify(view.enabled);
            }
            compare(cpp_configManager.errorCounter, 2);
            verify(child(view, "loadPage").visible);
        }

        function test_noLoadButtonWhenAttached() {
            var view = createView("one_cluster.cpp", true);
            verify(!child(view, "loadTabButton").visible);
            var loadPageButton = child(view, "loadPageButton");
            verify(loadPageButton.visible);
            testSupport.nextOpenFile = testSupport.copyExample("one_cluster.cpp");
            mouseClick(loadPageButton);
            verify(cpp_configManager.isConfigLoaded);
            compare(shownPages(view), [child(view, "lateralPage")]);
            verify(child(view, "lateralTabButton").checked);
            verify(!view.loadingScript);
        }
    }
}
