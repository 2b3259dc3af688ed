// Renders the Cueing window over the lateral page, with the two-cluster example loaded, cluster 1
// chosen and the lateral travel's output filter of parameter set 1 edited, to
// <out>/cueing-<scale>.png: the sway response, both sets overlaid, with no live outputs.
//   keo_cueing_screenshots --out docs/cueing --scale 1.0
#include "KeoQmlResources.h"
#include "ScreenshotSupport.h"
#include "models/ConfigModel.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickView>
#include <cstdio>

namespace {

constexpr int swayResponse = 1;

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
    const QString file = options->out.filePath(
        QStringLiteral("cueing-%1.png").arg(QString::number(options->scale, 'f', 1)));
    std::printf("%s\n", qPrintable(file));
    return view.grabWindow().save(file) ? 0 : 1;
}
