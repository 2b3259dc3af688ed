// Renders the Cueing window over the lateral page, with the two-cluster example loaded, cluster 1
// chosen and the lateral travel's output filter of parameter set 1 edited, to
// <out>/cueing-<scale>.png: the sway response, both sets overlaid, with no live outputs; then
// with the engine's records of the built-in "mix" drive (set 1, the first 60 s) delivered as a
// host would, to <out>/cueing-live-<scale>.png, at the editor's minimum window size, where the
// window must still fit whole.
//   keo_cueing_screenshots --out docs/cueing --scale 1.0
#include "KeoQmlResources.h"
#include "ScreenshotSupport.h"
#include "cueingview/LiveEnvelopeUse.h"
#include "cueingview/LiveScores.h"
#include "engine/Engine.h"
#include "engine/drive/Drive.h"
#include "engine/drive/PlayThrough.h"
#include "models/ConfigModel.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickView>
#include <cstdio>

namespace {

constexpr int swayResponse = 1;
constexpr double stepRate = 1000.0, driveSeconds = 60.0;
// The editor's smallest window before scaling (README, "Undo, unsaved changes …").
constexpr int minimumWidth = 1420, minimumHeight = 840;
// The envelope the test setup publishes (QmlTestSetup.cpp).
const WorkEnvelopeLimits envelope{0.3f, 0.3f, 0.4f, 0.2f, 0.25f, 0.25f, 1};

void settle(QQuickView& view) {
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    waitFrames(view, 3);
}

// Parameter set 1 is edited: its sway washout lets less through than set 2's.
void editFirstSet(ConfigManager& manager) {
    QObject* travel = manager.configModel()->lateralConfigModel()->travelConfigModel();
    QObject* filter = travel->property("accelerationFilterModel").value<QObject*>();
    filter->setProperty("cutoffFrequency", filter->property("cutoffFrequency").toDouble() * 3);
}

// What keo-editor's engine would deliver: the edited configuration's set 1 on the "mix" drive.
void deliverDrive(ConfigManager& manager, LiveEnvelopeUse& use, LiveScores& scores) {
    const Config& config = manager.configModel()->current();
    engine::Engine engine;
    engine.configure(config, KEOParamSet::First, envelope, stepRate);
    scores.setSettings(LiveScores::settingsFor(config, KEOParamSet::First, envelope));
    engine::drive::DrivePlayer player(engine::drive::makeManoeuvre("mix"), stepRate, false);
    engine::drive::playThrough(engine, player,
                               [&](std::uint64_t step, double, const KEOOutputRecord& record) {
                                   use.onOutputs(&record, &record, false);
                                   scores.onOutputs(&record, &record, false);
                                   if (step % 100 == 99)
                                       scores.refresh(); // as the window's timer does every 100 ms
                                   return step + 1 < driveSeconds * stepRate;
                               });
    use.refresh();
    scores.refresh();
}

bool save(QQuickView& view, const ScreenshotOptions& options, const char* name) {
    const QString file = options.out.filePath(
        QStringLiteral("%1-%2.png").arg(name, QString::number(options.scale, 'f', 1)));
    std::printf("%s\n", qPrintable(file));
    return view.grabWindow().save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto options = screenshotOptions(app, QStringLiteral("docs/cueing"));
    if (!options)
        return 2;
    initKeoQmlResources();
    QmlTestSetup setup;
    QQuickView view;
    ConfigManager* manager = showMainView(view, setup, options->scale, false);
    if (!manager)
        return 1;
    waitFrames(view, 3);
    manager->load();
    settle(view);
    if (auto* dialog = view.rootObject()->findChild<QObject*>(QStringLiteral("clusterDialog")))
        QMetaObject::invokeMethod(dialog, "close");
    if (!manager->setConfigFromUi(0)) {
        std::fprintf(stderr, "the two-cluster example did not load\n");
        return 1;
    }
    QMetaObject::invokeMethod(view.rootObject(), "showLateralPage");
    editFirstSet(*manager);
    auto* opener = view.rootObject()->findChild<QObject*>(QStringLiteral("cueingButton"));
    auto* panel = view.rootObject()->findChild<QObject*>(QStringLiteral("cueingPanel"));
    if (!opener || !panel)
        return 1;
    QMetaObject::invokeMethod(opener, "clicked");
    panel->setProperty("selectedResponse", swayResponse);
    settle(view);
    if (!save(view, *options, "cueing"))
        return 1;
    auto* use = qobject_cast<LiveEnvelopeUse*>(
        view.rootContext()->contextProperty(QStringLiteral("cpp_envelopeUse")).value<QObject*>());
    auto* scores = qobject_cast<LiveScores*>(
        view.rootContext()->contextProperty(QStringLiteral("cpp_liveScores")).value<QObject*>());
    if (!use || !scores)
        return 1;
    deliverDrive(*manager, *use, *scores);
    view.resize(int(minimumWidth * options->scale), int(minimumHeight * options->scale));
    settle(view);
    return save(view, *options, "cueing-live") ? 0 : 1;
}
