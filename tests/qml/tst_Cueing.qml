import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene
    width: 1420
    height: 840

    KeoTestCase {
        name: "Cueing"

        readonly property int swayResponse: 1

        function openCueing() {
            loadExample("one_cluster.cpp");
            var view = createMainView();
            mouseClick(child(view, "cueingButton"));
            var panel = child(view, "cueingPanel");
            tryCompare(panel, "visible", true);
            return view;
        }

        // Without live outputs the window says so and still draws the frequency response.
        function test_withoutLiveOutputsSaysSoAndShowsTheResponse() {
            var view = openCueing();
            verify(child(view, "noLiveOutputsText").visible);
            var plot = child(view, "bodePlot");
            verify(plot.visible && plot.height > 0);
            tryVerify(function() { return plot.paintCount > 0; });
            verify(cpp_frequencyResponse.valid);
            verify(cpp_frequencyResponse.gain(0, 0, 11) > 0, "surge passes at 15.8 rad/s");
        }

        // An edit of the selected set reaches the picture; the other set's curve stays as it was.
        function test_editReachesTheEditedSetOnly() {
            var view = openCueing();
            mouseClick(child(view, "responseButton" + swayResponse));
            var plot = child(view, "bodePlot");
            compare(plot.response, swayResponse);
            var edited = cpp_configManager.paramSetModel.paramSetIndex;
            var other = 1 - edited;
            var before = [cpp_frequencyResponse.gain(edited, swayResponse, 0),
                          cpp_frequencyResponse.gain(other, swayResponse, 0)];
            var paints = plot.paintCount;
            var lateral = cpp_configManager.configModel.lateralConfigModel;
            lateral.travelConfigModel.accelerationFilterModel.cutoffFrequency *= 2;
            tryVerify(function() { return plot.paintCount > paints; });
            verify(cpp_frequencyResponse.gain(edited, swayResponse, 0) !== before[0],
                   "the edited set's low-frequency gain moved");
            compare(cpp_frequencyResponse.gain(other, swayResponse, 0), before[1]);
        }

        // Live records replace the message by the platform's envelope use over the whole drive: a
        // peak at the edge stays after the platform has come back; starting over forgets it. The
        // records reach every channel's strip of perceived signals too.
        function test_liveRecordsShowTheWholeDrive() {
            var view = openCueing();
            testSupport.deliverRecords(1001, 0.25);  // 1 s at the surge envelope's edge
            testSupport.deliverRecords(3000, 0.05);
            tryCompare(child(view, "noLiveOutputsText"), "visible", false);
            var surge = child(view, "envelopeBar0");
            verify(surge.visible);
            compare(Math.round(surge.use.peakShare * 100), 100);
            compare(Math.round(surge.use.share * 100), 20);
            compare(surge.use.secondsAtEdge.toFixed(1), "1.0");
            for (var c = 0; c < 6; ++c) {
                var strip = child(view, "perceivedStrip" + c);
                tryVerify(function() { return strip.samplesShown > 0; }, 2000, "strip " + c);
            }
            mouseClick(child(view, "resetDriveLink"));
            compare(surge.use.peakShare, 0);
            compare(child(view, "noLiveOutputsText").visible, true);
        }

        // Keys choose the response and Escape closes the window, as with the other panels.
        function test_keysChooseTheResponseAndClose() {
            var view = openCueing();
            var panel = child(view, "cueingPanel");
            var plot = child(view, "bodePlot");
            keyClick(Qt.Key_Right);
            compare(plot.response, 1);
            keyClick(Qt.Key_Left);
            keyClick(Qt.Key_Left);
            compare(plot.response, 0);
            keyClick(Qt.Key_Escape);
            compare(panel.visible, false);
        }
    }
}
