// Renders every page of the editor, with the two-cluster example loaded and the first cluster
// chosen, to <out>/<page>-<scale>.png. Pages are reached by clicking their tab buttons.
//   keo_page_screenshots --out docs/pages --scale 1.5
#include "KeoQmlResources.h"
#include "ScreenshotSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <cstdio>

namespace {

// A page's canvases paint on the frame after they are shown, and the tab buttons fade their
// colours over 200 ms: render a few frames and long enough for the fades to end.
constexpr int framesToSettle = 4;
constexpr int settleMs = 400;

const char* const tabs[][2] = {
    {"lateralTabButton", "lateral"},       {"longitudinalTabButton", "longitudinal"},
    {"verticalTabButton", "vertical"},     {"absoluteTabButton", "absolute"},
    {"mixerTabButton", "mixer"},           {"enhancerTabButton", "enhancer"},
    {"understeerTabButton", "understeer"}, {"multiplexerTabButton", "multiplexer"},
    {"optionsTabButton", "options"},
};

// Renders frames until `done` holds, at most `limitMs` long; the dialogs fade in and out.
template <typename Condition> bool renderUntil(QQuickView& view, Condition done, int limitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        waitFrames(view, 1);
    }
    return true;
}

void click(QQuickView& view, QQuickItem* item) {
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &press);
    QCoreApplication::sendEvent(&view, &release);
}

// A plausible platform, so the limits show their share of the envelope.
void setEnvelope(QObject* envelope) {
    envelope->setProperty("roll", 20.0);
    envelope->setProperty("pitch", 22.0);
    envelope->setProperty("yaw", 25.0);
    envelope->setProperty("surge", 0.3);
    envelope->setProperty("sway", 0.25);
    envelope->setProperty("heave", 0.2);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto options = screenshotOptions(app, QStringLiteral("docs/pages"));
    if (!options)
        return 2;
    const double scale = options->scale;
    const QDir out = options->out;

    initKeoQmlResources();
    QmlTestSetup setup;
    QmlTestSetup::installWarningRecorder();
    QQuickView view;
    ConfigManager* manager = showMainView(view, setup, scale, true);
    if (!manager)
        return 1;
    setEnvelope(
        view.rootContext()->contextProperty(QStringLiteral("cpp_workEnvelope")).value<QObject*>());
    waitFrames(view, framesToSettle);

    // The two-cluster example asks which cluster to edit; answer as the user would.
    manager->load();
    auto* clusterDialog = view.rootObject()->findChild<QObject*>(QStringLiteral("clusterDialog"));
    auto* dialogContent =
        clusterDialog ? clusterDialog->property("contentItem").value<QQuickItem*>() : nullptr;
    auto* firstCluster =
        dialogContent ? dialogContent->findChild<QQuickItem*>(QStringLiteral("dialogFirstButton"))
                      : nullptr;
    if (!firstCluster) {
        std::fprintf(stderr, "the cluster choice did not open\n");
        return 1;
    }
    const auto dialogShown = [&] {
        return clusterDialog->property("opacity").toDouble() == 1.0;
    };
    const auto dialogGone = [&] {
        return !clusterDialog->property("visible").toBool();
    };
    renderUntil(view, dialogShown, frameTimeoutMs);
    click(view, firstCluster);
    if (!renderUntil(view, dialogGone, frameTimeoutMs) || !manager->isConfigLoaded()) {
        std::fprintf(stderr, "the two-cluster example did not load\n");
        return 1;
    }

    const QString suffix = QString::number(scale, 'f', 1);
    for (const auto& tab : tabs) {
        auto* button = view.rootObject()->findChild<QQuickItem*>(QLatin1String(tab[0]));
        if (!button) {
            std::fprintf(stderr, "no tab button %s\n", tab[0]);
            return 1;
        }
        click(view, button);
        QElapsedTimer shown;
        shown.start();
        waitFrames(view, framesToSettle);
        renderUntil(
            view, [&] { return shown.elapsed() > settleMs; }, 2 * settleMs);
        const QString file = out.filePath(QStringLiteral("%1-%2.png").arg(tab[1], suffix));
        if (!view.grabWindow().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }

    const QStringList warnings = QmlTestSetup::warnings();
    for (const QString& warning : warnings)
        std::fprintf(stderr, "warning: %s\n", qPrintable(warning));
    return warnings.isEmpty() ? 0 : 1;
}
