// Renders the editor's header with the window at exactly its minimum size (1420 x 840 times the
// scale), the two-cluster example loaded, the first cluster chosen, one value edited and the
// host's "Drive window" button shown, to <out>/header-<scale>.png.
//   keo_header_screenshots --out docs/header --scale 1.5
#include "KeoQmlResources.h"
#include "ScreenshotSupport.h"
#include "models/AxisConfigModel.h"
#include "models/ConfigModel.h"

#include <QApplication>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int minimumWidth = 1420;
constexpr int minimumHeight = 840;

// Lets the tab buttons' colour fades end before the picture is taken.
void settle(QQuickView& view) {
    QEventLoop loop;
    QTimer::singleShot(800, &loop, &QEventLoop::quit);
    loop.exec();
    waitFrames(view, 3);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto options = screenshotOptions(app, QStringLiteral("docs/header"));
    if (!options)
        return 2;
    const double scale = options->scale;

    initKeoQmlResources();
    QmlTestSetup setup;
    QQuickView view;
    ConfigManager* manager = showMainView(view, setup, scale, false);
    if (!manager)
        return 1;
    setup.publishHostActions({QStringLiteral("Drive window")}, {QStringLiteral("Ctrl+Shift+D")});
    view.resize(qRound(minimumWidth * scale), qRound(minimumHeight * scale));
    manager->load();
    settle(view);
    if (auto* dialog = view.rootObject()->findChild<QObject*>(QStringLiteral("clusterDialog")))
        QMetaObject::invokeMethod(dialog, "close");
    if (!manager->setConfigFromUi(0)) {
        std::fprintf(stderr, "the two-cluster example did not load\n");
        return 1;
    }
    QMetaObject::invokeMethod(view.rootObject(), "showLateralPage");
    // An edit marks its page's button and Save, the longest texts the header shows.
    QObject* travel = manager->configModel()->lateralConfigModel()->travelConfigModel();
    travel->property("outputTravelFilterModel")
        .value<QObject*>()
        ->setProperty("cutoffFrequency", 3.25);
    settle(view);

    const auto* tabRow = view.rootObject()->findChild<QQuickItem*>(QStringLiteral("tabRow"));
    const int headerHeight = tabRow ? qCeil(tabRow->height()) + 1 : view.height();
    const QString file =
        options->out.filePath(QStringLiteral("header-%1.png").arg(QString::number(scale, 'f', 1)));
    const QImage header = view.grabWindow().copy(0, 0, view.width(), headerHeight);
    std::printf("%s (%dx%d window)\n", qPrintable(file), view.width(), view.height());
    return header.save(file) ? 0 : 1;
}
