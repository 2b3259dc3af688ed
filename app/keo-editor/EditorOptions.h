#pragma once

#include <KEOUI64/WorkEnvelopeLimits.h>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What keo-editor was asked to do on its command line.
struct EditorOptions {
    QString scriptPath;    // empty: open the bundled two-cluster example
    bool attached = false; // the editor belongs to this one script: no Load button
    std::optional<double> scale;
    QString screenshotPath; // grab the window once it has rendered, then quit
    QString graph;          // a block graph whose window opens at start
    bool graphs = true;
    int outputRate = 500;                  // engine steps (records) per second
    QString drive = QStringLiteral("mix"); // a built-in manoeuvre or a telemetry file
    QString mapPath;                       // a column map for telemetry files; empty: none
    QString rigPath; // a rig whose actuators the drive window shows; empty: none
    std::array<WorkEnvelopeLimits, 2> envelopes{};
};

// Parses the arguments (argv without the program name). On error returns nothing and sets
// `error`; `--help` also returns nothing, with the help text in `error`.
std::optional<EditorOptions> parseEditorOptions(const QStringList& arguments, QString& error);

// The envelope of a typical six-DoF platform for each cluster: a compact and a larger one.
std::array<WorkEnvelopeLimits, 2> defaultWorkEnvelopes();
