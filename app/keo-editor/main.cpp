// keo-editor: a host application for the editor library. It owns the window, publishes the
// display scale, keeps the graphs repainted, hands the library its host objects and runs the
// motion-cueing engine on the configuration being edited along a drive of its small window.
#include "EditorOptions.h"
#include "EngineOutputSource.h"
#include "HostWindows.h"
#include "RepaintScheduler.h"

#include <KEOUI64/KEOUI64.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPixmap>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <engine/drive/ColumnMap.h>
#include <engine/drive/Drive.h>
#include <functional>
#include <memory>
#include <optional>
#include <rig/RigReader.h>
#include <utility>
#include <vector>

namespace {

// The display scale factors the editor's layout is designed for; other settings use 1.0.
double screenScale(const QScreen* screen) {
    static const int knownPercentages[] = {120, 125, 140, 150, 160, 175, 180, 200,
                                           225, 250, 300, 350, 400, 450, 500};
    const int percent =
        qRound(screen->logicalDotsPerInch() / 96.0 * screen->devicePixelRatio() * 100.0);
    for (const int known : knownPercentages)
        if (percent == known)
            return known / 100.0;
    return 1.0;
}

QString bundledExample() {
    const QString name = QStringLiteral("two_clusters.cpp");
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/KEOUI64/examples/") + name};
#ifdef KEO_EXAMPLES_DIR
    candidates << QStringLiteral(KEO_EXAMPLES_DIR "/") + name;
#endif
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return candidate;
    return QString();
}

// A per-user copy of the bundled example, so that saving never writes into the installation or
// the source tree. An existing copy is kept: it holds the user's last edits.
QString userCopyOfExample() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = folder + QStringLiteral("/two_clusters.cpp");
    if (QFileInfo::exists(copy))
        return copy;
    const QString example = bundledExample();
    if (example.isEmpty() || !QDir().mkpath(folder) || !QFile::copy(example, copy))
        return QString();
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return copy;
}

// Saves a picture once the window has shown its first frames, 700 ms have passed and `ready`
// holds (looked at every 20 ms), then quits. Frames are announced from the render thread, so
// several may be queued before the first is seen here.
void grabOnceRendered(QQuickView& view, const QString& path, std::function<QPixmap()> picture,
                      std::function<bool()> ready) {
    auto scheduled = std::make_shared<bool>(false);
    QObject::connect(&view, &QQuickWindow::frameSwapped, &view, [=, &view] {
        if (std::exchange(*scheduled, true))
            return;
        auto* poll = new QTimer(&view);
        const auto shown = std::make_shared<QElapsedTimer>();
        shown->start();
        QObject::connect(poll, &QTimer::timeout, &view, [=] {
            if (shown->elapsed() < 700 || !ready())
                return;
            poll->stop();
            const bool saved = picture().save(path);
            std::fprintf(saved ? stdout : stderr, "%s %s\n",
                         saved ? "Screenshot written to" : "Could not write",
                         qUtf8Printable(QFileInfo(path).absoluteFilePath()));
            QCoreApplication::exit(saved ? 0 : 1);
        });
        poll->start(20);
    });
}

// The editor's block graphs: the items named "__page.block" that open a graph window.
std::vector<QObject*> blockGraphs(const QQuickView& view) {
    std::vector<QObject*> graphs;
    if (!view.rootObject())
        return graphs;
    for (QObject* item : view.rootObject()->findChildren<QObject*>())
        if (item->objectName().startsWith(QLatin1String("__")) &&
            item->metaObject()->indexOfMethod("showBiggerView()") >= 0)
            graphs.push_back(item);
    return graphs;
}

QObject* blockGraph(const QQuickView& view, const QString& name) {
    for (QObject* graph : blockGraphs(view))
        if (graph->objectName() == name)
            return graph;
    return nullptr;
}

QString blockGraphNames(const QQuickView& view) {
    QStringList names;
    for (const QObject* graph : blockGraphs(view))
        names << graph->objectName();
    names.sort();
    return names.join(QStringLiteral(", "));
}

// The graph window of the block graph `name`, opened the way its "Graph" link opens it and showing
// as many steps as it can; null when it did not open.
QWidget* openGraphWindow(QObject& graph) {
    if (!QMetaObject::invokeMethod(&graph, "showBiggerView"))
        return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->inherits("JVX::GraphWindow"))
            continue;
        // The window's own keys: each "8" shows 400 steps more, up to its 4000.
        for (QWidget* plot : window->findChildren<QWidget*>())
            if (plot->inherits("JVX::GraphWidget"))
                for (int press = 0; press < 10; ++press) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_8, Qt::NoModifier, QStringLiteral("8"));
                    QCoreApplication::sendEvent(plot, &key);
                }
        window->resize(window->size().expandedTo(QSize(960, 420)));
        return window;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KEO"));
    QCoreApplication::setApplicationName(QStringLiteral("keo-editor"));

    QString message;
    const std::optional<EditorOptions> options =
        parseEditorOptions(QCoreApplication::arguments().mid(1), message);
    if (!options) {
        const bool help = message.startsWith(QStringLiteral("Usage"));
        std::fprintf(help ? stdout : stderr, "%s\n", qUtf8Printable(message));
        return help ? 0 : 2;
    }
    const QString script =
        options->scriptPath.isEmpty() ? userCopyOfExample() : options->scriptPath;

    // The host objects outlive the view, which owns the editor.
    DestructionNotifier destructionNotifier;
    JVX::GraphWidgetRepainter repainter;
    RepaintScheduler scheduler(repainter);
    QQuickView view;
    HostWindows hostWindows(view, repainter);
    QObject::connect(&hostWindows, &HostWindows::editorClosed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    view.rootContext()->setContextProperty(
        QStringLiteral("qt_scale"), options->scale.value_or(screenScale(app.primaryScreen())));

    std::shared_ptr<const engine::drive::Drive> drive;
    std::optional<engine::drive::ColumnMap> map;
    std::optional<rig::Rig> platformRig;
    try {
        if (!options->mapPath.isEmpty())
            map = engine::drive::loadColumnMap(options->mapPath.toStdString());
        drive = engine::drive::openDrive(options->drive.toStdString(), map ? &*map : nullptr);
        if (!options->rigPath.isEmpty())
            platformRig = rig::loadRig(options->rigPath.toStdString());
    } catch (const std::runtime_error& error) { // DriveError, RigError
        std::fprintf(stderr, "keo-editor: %s\n", error.what());
        return 2;
    }
    // Create takes over the output source; the drive window goes before the view, which owns it
    // (hostWindows, declared after the view, goes first).
    auto* engines = options->graphs
                        ? new EngineOutputSource(drive, options->outputRate, options->envelopes)
                        : nullptr;
    const int code = Create(&view, script, options->attached, &destructionNotifier, &repainter,
                            engines, options->envelopes.data());
    if (code != 0 && code != 5) {
        std::fprintf(stderr, "keo-editor: cannot open %s (result %d)\n", qUtf8Printable(script),
                     code);
        return 1;
    }
    QWidget* graphWindow = nullptr;
    if (!options->graph.isEmpty()) {
        QObject* graph = blockGraph(view, options->graph);
        if (!graph) {
            std::fprintf(stderr, "keo-editor: no graph named %s; the graphs are %s\n",
                         qUtf8Printable(options->graph), qUtf8Printable(blockGraphNames(view)));
            return 2;
        }
        graphWindow = openGraphWindow(*graph);
        if (graphWindow && engines)
            engines->restart(); // the window shows the drive from its start
    }
    if (engines) {
        hostWindows.openDriveWindow(*engines, options->drive);
        hostWindows.driveWindow()->setColumnMap(map);
        if (platformRig)
            hostWindows.driveWindow()->showActuators(*platformRig);
    }
    if (!options->screenshotPath.isEmpty()) {
        if (graphWindow && engines) {
            // Once the window's 4000 steps are all the drive's (or the drive is over).
            const double fullSeconds =
                std::min(4000.0 / engines->stepsPerSecond(), engines->drive().duration()) - 0.05;
            grabOnceRendered(
                view, options->screenshotPath, [graphWindow] { return graphWindow->grab(); },
                [engines, fullSeconds] { return engines->driveSeconds() >= fullSeconds; });
        } else {
            grabOnceRendered(
                view, options->screenshotPath,
                [&view] { return QPixmap::fromImage(view.grabWindow()); }, [] { return true; });
        }
    }
    return app.exec();
}
