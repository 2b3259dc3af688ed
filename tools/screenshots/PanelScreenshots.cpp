// Renders the Changes and Compare parameter sets panels over the lateral page, with the
// two-cluster example loaded, cluster 1 chosen and a few values edited in both parameter sets,
// to <out>/changes-<scale>.png and <out>/compare-sets-<scale>.png.
//   keo_panel_screenshots --out docs/panels --scale 1.0
#include "KeoQmlResources.h"
#include "ScreenshotSupport.h"
#include "models/ConfigModel.h"
#include "models/ParamSetModel.h"

#include <QApplication>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <cstdio>

namespace {

// Lets animations (button fades, the block highlight) end before a picture is taken.
void settle(QQuickView& view) {
    QEventLoop loop;
    QTimer::singleShot(1500, &loop, &QEventLoop::quit);
    loop.exec();
    waitFrames(view, 3);
}

// Edits as a tuning session would: cutoffs and limits on three pages in both sets, a switch.
void editSomeValues(ConfigManager& manager) {
    ConfigModel& root = *manager.configModel();
    ParamSetModel& sets = *manager.paramSetModel();
    QObject* lateralTravel = root.lateralConfigModel()->travelConfigModel();
    lateralTravel->property("outputTravelFilterModel")
        .value<QObject*>()
        ->setProperty("cutoffFrequency", 3.25);
    root.longitudinalConfigModel()->angularRateInputLimitModel()->setProperty("maxValue", 40.0);
    sets.setParamSetIndex(KEOParamSet::Second);
    root.enhancerConfigModel()
        ->property("sideslipPivotPointLongitudinalModel")
        .value<QObject*>()
        ->setProperty("value", 1.75);
    root.mixerConfigModel()
        ->property("swayToRollModel")
        .value<QObject*>()
        ->setProperty("enabled", false);
    sets.setParamSetIndex(KEOParamSet::First);
}

bool grab(QQuickView& view, const char* button, const QString& file) {
    auto* opener = view.rootObject()->findChild<QObject*>(QLatin1String(button));
    if (!opener)
        return false;
    QMetaObject::invokeMethod(opener, "clicked");
    settle(view);
    const bool saved = view.grabWindow().save(file);
    QMetaObject::invokeMethod(opener, "clicked");
    std::printf("%s\n", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto options = screenshotOptions(app, QStringLiteral("docs/panels"));
    if (!options)
        return 2;
    const double scale = options->scale;
    const QDir out = options->out;

    initKeoQmlResources();
    QmlTestSetup setup;
    QQuickView view;
    ConfigManager* manager = showMainView(view, setup, scale, false);
    if (!manager)
        return 1;
    waitFrames(view, 3);
    manager->load();
    settle(view);
    auto* clusterDialog = view.rootObject()->findChild<QObject*>(QStringLiteral("clusterDialog"));
    if (clusterDialog)
        QMetaObject::invokeMethod(clusterDialog, "close");
    if (!manager->setConfigFromUi(0)) {
        std::fprintf(stderr, "the two-cluster example did not load\n");
        return 1;
    }
    QMetaObject::invokeMethod(view.rootObject(), "showLateralPage");
    editSomeValues(*manager);
    settle(view);

    const QString suffix = QString::number(scale, 'f', 1);
    const bool done =
        grab(view, "changesButton", out.filePath(QStringLiteral("changes-%1.png").arg(suffix))) &&
        grab(view, "compareSetsButton",
             out.filePath(QStringLiteral("compare-sets-%1.png").arg(suffix)));
    return done ? 0 : 1;
}
