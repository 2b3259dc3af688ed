import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene
    width: 1420
    height: 840

    KeoTestCase {
        name: "Tune"

        function openTune() {
            loadExample("one_cluster.cpp");
            var view = createMainView();
            mouseClick(child(view, "cueingButton"));
            tryCompare(child(view, "cueingPanel"), "visible", true);
            mouseClick(child(view, "tuneLink"));
            var panel = child(view, "tunePanel");
            tryCompare(panel, "visible", true);
            waitForRendering(panel); // laid out
            // Nothing was driven, so the panel offers the mix; tune on the short braking instead.
            compare(child(view, "recentDriveCheck").enabled, false);
            mouseClick(child(view, "manoeuvre_mix"));
            mouseClick(child(view, "manoeuvre_braking"));
            compare(panel.chosenManoeuvres, ["braking"]);
            verify(panel.chosenNames.length > 0, "the defaults come chosen");
            return view;
        }

        // A tuning lands as one undoable step that changes only chosen values; undoing it restores
        // every byte of the configuration. Both sets' scores stand side by side until then.
        function test_tuneLandsAsOneUndoStep() {
            var view = openTune();
            cpp_tune.maxEvaluations = 16;
            mouseClick(child(view, "targetSet1"));
            var before = testSupport.configImage();
            var steps = cpp_editHistory.steps;
            var finished = spy(cpp_tune, "finished");
            mouseClick(child(view, "startTuneButton"));
            verify(cpp_tune.running);
            finished.wait(60000);
            compare(finished.signalArguments[0][0], true, cpp_tune.status);
            compare(cpp_editHistory.steps, steps + 1);
            verify(testSupport.configImage() !== before);
            var changes = cpp_configChanges.count;
            verify(changes > 0 && changes <= child(view, "tunePanel").chosenNames.length);
            var paramSetRole = Qt.UserRole + 6; // ConfigDiffListModel::ParamSetRole
            for (var row = 0; row < changes; ++row)
                compare(cpp_configChanges.data(cpp_configChanges.index(row, 0), paramSetRole),
                        "#2", "changed in the target set only");
            verify(child(view, "comparisonRow0_1").visible, "set #2 on braking");
            cpp_editHistory.undo();
            compare(testSupport.configImage(), before);
            compare(cpp_configChanges.count, 0);
            compare(cpp_tune.comparison.length, 0, "the scores of the tuned values are gone");
        }

        // Cancelling a running search leaves the configuration and its history as they were.
        function test_cancelLeavesTheConfigurationAsItWas() {
            var view = openTune();
            cpp_tune.maxEvaluations = 0;
            var before = testSupport.configImage();
            var steps = cpp_editHistory.steps;
            var finished = spy(cpp_tune, "finished");
            mouseClick(child(view, "startTuneButton"));
            tryVerify(function() { return cpp_tune.progress > 0; }, 30000);
            mouseClick(child(view, "cancelTuneButton"));
            finished.wait(30000);
            compare(finished.signalArguments[0][0], false);
            compare(cpp_tune.running, false);
            compare(testSupport.configImage(), before);
            compare(cpp_editHistory.steps, steps);
            compare(findChild(view, "comparisonRow0_0"), null);
        }
        // A telemetry file that cannot be read ends the run with the reader's message.
        function test_unreadableTelemetryEndsTheRunWithItsMessage() {
            var view = openTune();
            testSupport.nextOpenFile = testSupport.missingFile().replace(".cpp", ".csv");
            mouseClick(child(view, "addTelemetryLink"));
            compare(cpp_tune.files.length, 1);
            var before = testSupport.configImage();
            var finished = spy(cpp_tune, "finished");
            mouseClick(child(view, "startTuneButton"));
            finished.wait(10000);
            compare(finished.signalArguments[0][0], false);
            verify(cpp_tune.status.indexOf("does-not-exist.csv") >= 0, cpp_tune.status);
            compare(testSupport.configImage(), before);
        }
    }
}
