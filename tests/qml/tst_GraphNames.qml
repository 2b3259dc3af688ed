import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

// The live feed finds each block's graph by object name; a name that no view produces leaves a
// graph slot without data. This list is the feed's: every name must be found exactly once,
// carrying the title and captions of its block.
Item {
    id: scene
    width: 1700
    height: 900

    KeoTestCase {
        name: "GraphNames"

        readonly property var ms2: ["Input [m/s2]", "Output [m/s2]"]
        readonly property var ms: ["Input [m/s]", "Output [m/s]"]
        readonly property var m: ["Input [m]", "Output [m]"]
        readonly property var deg: ["Input [deg]", "Output [deg]"]
        readonly property var degs: ["Input [deg/s]", "Output [deg/s]"]
        readonly property var plain: ["Input", "Output"]
        readonly property var sides: ["Input (L)", "Output (L)", "Input (R)", "Output (R)"]

        function axisGraphs(prefix, axis) {
            var travel = axis.travelConfigModel;
            var angular = axis.angularVelocityModel;
            return [
                [".travel.accelerationLimit", "Travel - Acc Limit", ms2],
                [".travel.accelerationFilter", "Travel - Acc Filter", ms2],
                [".travel.accToVelocity", "Travel - Acc To Velocity",
                 ["Input [m/s2]", "Delta Output [m/s]"]],
                [".travel.velocityFilter", "Travel - Velocity Filter",
                 [travel.bypassAccIntegration ? "Input [m/s]" : "Delta Input [m/s]", "Output [m/s]"]],
                [".travel.velocityToTravel", "Travel - Velocity To Travel",
                 ["Input [m/s]", "Delta Output [m]"]],
                [".travel.travelFilter", "Travel - Travel Filter",
                 [travel.bypassSpeedIntegration ? "Input [m]" : "Delta Input [m]", "Output [m]"]],
                [".outputTravelFilter", "Output Travel Filter", m],
                [".outputTravelLimit", "Output Travel Limit", m],
                [".tiltCoordination.accelerationLimit", "Tilt Coord. - Input Limit", ms2],
                [".tiltCoordination.accelerationFilter", "Tilt Coord. - Acc Filter", ms2],
                [".tiltCoordination.accToAngle", "Tilt Coord. - Acc To Angle",
                 ["Input [%]", "Output [deg]"]],
                [".tiltCoordination.angleRateLimit", "Tilt Coord. - Angle Rate Limit", deg],
                [".tiltCoordination.outputFilter", "Tilt Coord. - Output Filter", deg],
                [".tiltCoordination.outputLimit", "Tilt Coord. - Output Limit", deg],
                [".angularVelocity.inputLimit", "Angular Vel. - Input Limit", degs],
                [".angularVelocity.velocityFilter", "Angular Vel. - Velocity Filter", degs],
                [".angularVelocity.velocityToAngle", "Angular Vel. - Velocity To Angle",
                 ["Input [deg/s]", "Delta Output [deg]", "Delta Tims [s]"]],
                [".angularVelocity.angleFilter", "Angular Vel. - Angle Filter",
                 [angular.bypassIntegration ? "Input [deg]" : "Delta Input [deg]", "Output [deg]"]],
                [".angularVelocity.outputAngleFilter", "Angular Vel. - Output Angle Filter", deg],
                [".angularVelocity.outputAngleLimit", "Angular Vel. - Output Angle Limit", deg]
            ].map(function(entry) { return [prefix + entry[0], entry[1], entry[2]]; });
        }

        function mixerGraphs() {
            var paths = [
                ["swayToRoll", "Mixer Sway to Roll - Output Filter",
                 "Mixer Sway to Roll - Output Limit", deg],
                ["yawToRoll", "Mixer Yaw to Roll - Output Filter",
                 "Mixer Yaw to Roll - Output Limit", deg],
                ["surgeToPitch", "Mixer Surge to Pitch - Output Filter",
                 "Mixer Surge to Pitch - Output Limit", deg],
                ["heaveToPitch", "Mixer Heave to Pitch - Output Filter",
                 "Mixer Heave to Pitch - Output Limit", deg],
                ["roadHarshnessToSurge", "Mixer Road Harshness to Surge - Output Filter",
                 "Mixer Road Harshness to Surge - Output Limit",
                 ["Input (L) [m]", "Output (L) [m]", "Input (R) [m]", "Output (R) [m]"]],
                ["roadHarshnessToPitch", "Mixer Road harshness to Pitch - Output Filter",
                 "Mixer Road harshness Pitch - Output Limit",
                 ["Input (L) [deg]", "Output (L) [deg]", "Input (R) [deg]", "Output (R) [deg]"]]
            ];
            var graphs = [];
            for (var i = 0; i < paths.length; ++i) {
                graphs.push(["__mixer." + paths[i][0] + ".outputFilter", paths[i][1], paths[i][3]]);
                graphs.push(["__mixer." + paths[i][0] + ".outputLimit", paths[i][2], paths[i][3]]);
            }
            return graphs;
        }

        function multiplexerGraphs() {
            var dofs = [["surge", "Surge"], ["sway", "Sway"], ["heave", "Heave"],
                        ["pitch", "Pitch"], ["roll", "Roll"], ["yaw", "Yaw"]];
            var graphs = [];
            for (var i = 0; i < dofs.length; ++i) {
                graphs.push(["__multiplexer." + dofs[i][0] + ".sumator", dofs[i][1] + " - Sumator",
                             null]);
                graphs.push(["__multiplexer." + dofs[i][0] + ".outputLimit",
                             dofs[i][1] + " - Output Limit", plain]);
            }
            return graphs;
        }

        function expectedGraphs(config) {
            return axisGraphs("__lateral", config.lateralConfigModel)
                .concat(axisGraphs("__longitudinal", config.longitudinalConfigModel))
                .concat(axisGraphs("__vertical", config.verticalConfigModel))
                .concat([
                    ["__absolute.pitch.inLimit", "Absolute - Pitch In Limit", deg],
                    ["__absolute.pitch.outputFilter", "Absolute - Pitch Lowpass Filter", deg],
                    ["__absolute.pitch.outputLimit", "Absolute - Pitch Output Limit", deg],
                    ["__absolute.roll.inLimit", "Absolute - Roll In Limit", deg],
                    ["__absolute.roll.outputFilter", "Absolute - Roll Lowpass Filter", deg],
                    ["__absolute.roll.outputLimit", "Absolute - Roll Output Limit", deg]
                ])
                .concat(mixerGraphs())
                .concat([
                    ["__enhancer.roadHarshnessToHeave.inLimit", "Road Harshness - In Limit", sides],
                    ["__enhancer.roadHarshnessToHeave.highpassFilter",
                     "Road Harshness - Highpass Filter", sides],
                    ["__enhancer.roadHarshnessToHeave.outputFilter",
                     "Road Harshness - Lowpass Filter", sides],
                    ["__enhancer.roadHarshnessToHeave.outputLimit",
                     "Road Harshness - Output Limit", sides],
                    ["__enhancer.sideslipToYaw.inLimit", "Sideslip Yaw - In Limit", plain],
                    ["__enhancer.sideslipToYaw.maximumRate", "Sideslip Yaw - Maximum Rate", deg],
                    ["__enhancer.sideslipToYaw.highpassFilter", "Sideslip Yaw - Highpass Filter",
                     sides],
                    ["__enhancer.sideslipToYaw.outputFilter", "Sideslip Yaw - Lowpass Filter", plain],
                    ["__enhancer.sideslipToYaw.outputLimit", "Sideslip Yaw - Output Limit", plain],
                    ["__enhancer.sideslipToRoll.inLimit", "Sideslip Roll - In Limit", plain],
                    ["__enhancer.sideslipToRoll.maximumRate", "Sideslip Roll - Maximum Rate", deg],
                    ["__enhancer.sideslipToRoll.highpassFilter", "Sideslip Roll - Highpass Filter",
                     sides],
                    ["__enhancer.sideslipToRoll.outputFilter", "Sideslip Roll - Lowpass Filter",
                     plain],
                    ["__enhancer.sideslipToRoll.outputLimit", "Sideslip Roll - Output Limit", plain],
                    ["__enhancer.sideslipToSway", "Sideslip - Partial Sway Output", plain],
                    ["__understeer.intendedTurningCurveLowpassFilter",
                     "Front wheels angle dampened - Lowpass Filter", deg],
                    ["__understeer.deltaTurningCurveRateLimit", "Understeer - Angle Rate Limit",
                     ["Input [deg]", "Output [deg]", "Intended turning curve"]],
                    ["__understeer.toYawOutputFilter", "Understeer - Yaw Output Filter", deg],
                    ["__understeer.toYawOutputLimitation", "Understeer - Yaw Output Limit", deg],
                    ["__understeer.toRollOutputFilter", "Understeer - Roll Output Filter", deg],
                    ["__understeer.toRollOutputLimitation", "Understeer - Roll Output Limit", deg],
                    ["__understeer.pivotPointLongitudinalOffset", "Understeer - Partial Sway Output",
                     deg],
                    ["__understeer.yawRateLowpassFilter", "Understeer - Yaw Rate Lowpass Filter",
                     degs],
                    ["__understeer.actualTurningCurveLowpassFilter",
                     "Actual Turning Curve - Lowpass Filter", deg]
                ])
                .concat(multiplexerGraphs());
        }

        function loadedView() {
            loadExample("one_cluster.cpp");
            return createMainView();
        }

        function test_everyGraphIsFoundOnceWithItsTitleAndCaptions() {
            var view = loadedView();
            var expected = expectedGraphs(cpp_configManager.configModel);
            compare(expected.length, 114);
            var found = testSupport.graphItems(view);
            var byName = {};
            for (var i = 0; i < found.length; ++i) {
                verify(!byName[found[i].name], "duplicate graph name " + found[i].name);
                byName[found[i].name] = found[i];
            }
            for (var j = 0; j < expected.length; ++j) {
                var graph = byName[expected[j][0]];
                verify(graph, "no graph named " + expected[j][0]);
                compare(graph.title, expected[j][1], expected[j][0]);
                if (expected[j][2] !== null) {
                    verify(graph.captions.length >= expected[j][2].length, expected[j][0]);
                    compare(graph.captions.slice(0, expected[j][2].length), expected[j][2],
                            expected[j][0]);
                }
                delete byName[expected[j][0]];
            }
            compare(Object.keys(byName), [], "graphs no block of the feed uses");
        }

        function test_bypassCaptionsFollowTheSwitch() {
            var view = loadedView();
            var travel = cpp_configManager.configModel.lateralConfigModel.travelConfigModel;
            travel.bypassAccIntegration = false;
            var name = "__lateral.travel.velocityFilter";
            var graph = testSupport.graphItems(view).filter(function(g) { return g.name === name; })[0];
            compare(graph.captions[0], "Delta Input [m/s]");
            travel.bypassAccIntegration = true;
            graph = testSupport.graphItems(view).filter(function(g) { return g.name === name; })[0];
            compare(graph.captions[0], "Input [m/s]");
            travel.restoreDefaults();
        }
    }
}
