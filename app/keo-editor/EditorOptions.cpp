#include "EditorOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>

namespace {

constexpr float degreesToRadians = float(M_PI / 180.0);
// Records per second: beyond a few thousand the graphs show nothing more, they only load the
// machine, and the bound keeps a typo from saturating a core.
constexpr int minOutputRate = 1;
constexpr int maxOutputRate = 20000;

// roll, pitch, yaw in degrees; heave, sway, surge in metres.
WorkEnvelopeLimits envelope(float rollDeg, float pitchDeg, float yawDeg, float heave, float sway,
                            float surge) {
    return {rollDeg * degreesToRadians,
            pitchDeg * degreesToRadians,
            yawDeg * degreesToRadians,
            heave,
            sway,
            surge,
            1};
}

std::optional<WorkEnvelopeLimits> parseEnvelope(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 6)
        return std::nullopt;
    float values[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toFloat(&ok);
        if (!ok || !std::isfinite(values[i]) || values[i] < 0)
            return std::nullopt;
    }
    return envelope(values[0], values[1], values[2], values[3], values[4], values[5]);
}

} // namespace

std::array<WorkEnvelopeLimits, 2> defaultWorkEnvelopes() {
    return {envelope(22.0f, 22.0f, 25.0f, 0.18f, 0.22f, 0.24f),
            envelope(28.0f, 28.0f, 32.0f, 0.25f, 0.30f, 0.32f)};
}

std::optional<EditorOptions> parseEditorOptions(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the motion-cueing configuration in a .cpp or .json script."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption attached(
        QStringLiteral("attached"),
        QStringLiteral("The editor belongs to this script: no Load button."));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Display scale factor (default: the screen's)."),
                                   QStringLiteral("factor"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write a picture of the window to <file> once it has rendered, then quit."),
        QStringLiteral("file"));
    const QCommandLineOption graph(
        QStringLiteral("graph"),
        QStringLiteral("Open the graph window of a block at start, by its name, e.g. "
                       "__longitudinal.outputTravelLimit; with --screenshot the picture is of "
                       "that window once it is full."),
        QStringLiteral("name"));
    const QCommandLineOption noGraphs(QStringLiteral("no-graphs"),
                                      QStringLiteral("Start without live outputs."));
    const QCommandLineOption rate(
        QStringLiteral("rate"),
        QStringLiteral("Steps per second of the motion-cueing engine (default 500)."),
        QStringLiteral("steps"));
    const QCommandLineOption drive(
        QStringLiteral("drive"),
        QStringLiteral("What the vehicle does: a built-in manoeuvre (%1), a telemetry CSV file or "
                       "an iRacing .ibt file (default mix).")
            .arg(QStringLiteral("mix, braking, acceleration, lane-change, slalom, steady-turn, "
                                "bumpy-road, sweep-surge, sweep-sway, sweep-heave, sweep-roll, "
                                "sweep-pitch, sweep-yaw, idle")),
        QStringLiteral("name|file.csv|file.ibt"));
    const QCommandLineOption map(
        QStringLiteral("map"),
        QStringLiteral("Read telemetry files through this column map: which columns (variables) "
                       "feed which signals, in which units and senses."),
        QStringLiteral("file.json"));
    const QCommandLineOption rig(
        QStringLiteral("rig"),
        QStringLiteral("Show this rig's actuators in the drive window, following the platform of "
                       "the cluster being edited."),
        QStringLiteral("file.json"));
    const QCommandLineOption envelopes[2] = {
        {QStringLiteral("envelope1"),
         QStringLiteral("Work envelope of cluster 1: roll,pitch,yaw in degrees, "
                        "heave,sway,surge in metres."),
         QStringLiteral("r,p,y,h,sw,su")},
        {QStringLiteral("envelope2"), QStringLiteral("Work envelope of cluster 2, as --envelope1."),
         QStringLiteral("r,p,y,h,sw,su")}};
    parser.addOptions({attached, scale, screenshot, graph, noGraphs, rate, drive, map, rig,
                       envelopes[0], envelopes[1]});
    parser.addPositionalArgument(QStringLiteral("script"),
                                 QStringLiteral("The script to edit (default: a copy of the "
                                                "bundled two-cluster example)."));

    if (!parser.parse(QStringList{QStringLiteral("keo-editor")} + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(helpOption)) {
        error = parser.helpText();
        return std::nullopt;
    }
    EditorOptions options;
    options.attached = parser.isSet(attached);
    options.graphs = !parser.isSet(noGraphs);
    options.screenshotPath = parser.value(screenshot);
    options.graph = parser.value(graph);
    if (parser.isSet(drive))
        options.drive = parser.value(drive);
    options.mapPath = parser.value(map);
    options.rigPath = parser.value(rig);
    options.envelopes = defaultWorkEnvelopes();
    if (parser.positionalArguments().size() > 1) {
        error = QStringLiteral("Give at most one script.");
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty())
        options.scriptPath = parser.positionalArguments().first();
    if (parser.isSet(scale)) {
        bool ok = false;
        const double factor = parser.value(scale).toDouble(&ok);
        if (!ok || !(factor >= 0.5 && factor <= 5.0)) {
            error = QStringLiteral("--scale takes a factor between 0.5 and 5.");
            return std::nullopt;
        }
        options.scale = factor;
    }
    if (parser.isSet(rate)) {
        bool ok = false;
        const int records = parser.value(rate).toInt(&ok);
        if (!ok || records < minOutputRate || records > maxOutputRate) {
            error = QStringLiteral("--rate takes a number of steps per second between %1 and %2.")
                        .arg(minOutputRate)
                        .arg(maxOutputRate);
            return std::nullopt;
        }
        options.outputRate = records;
    }
    for (int cluster = 0; cluster < 2; ++cluster) {
        if (!parser.isSet(envelopes[cluster]))
            continue;
        const auto parsed = parseEnvelope(parser.value(envelopes[cluster]));
        if (!parsed) {
            error = QStringLiteral("--envelope%1 takes six non-negative numbers separated by "
                                   "commas.")
                        .arg(cluster + 1);
            return std::nullopt;
        }
        options.envelopes[cluster] = *parsed;
    }
    return options;
}
