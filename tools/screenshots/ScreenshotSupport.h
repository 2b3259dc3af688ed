#pragma once

#include "QmlTestSetup.h"
#include "script/ConfigManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFont>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QTimer>
#include <cstdio>
#include <optional>

// What the screenshot programs share: their options, the main view as they show it, and waiting
// for frames.

// Logical size of the editor's window before scaling: wide enough for the widest diagram.
constexpr int windowWidth = 1680;
constexpr int windowHeight = 930;
constexpr int frameTimeoutMs = 2000;

// The --out folder (created) and --scale factor the programs are told.
struct ScreenshotOptions {
    QDir out;
    double scale = 1.0;
};

// Also sets the stand-in for the host's UI font. Nothing, after a message, when either option is
// unusable.
inline std::optional<ScreenshotOptions> screenshotOptions(QApplication& app,
                                                          const QString& defaultFolder) {
    // The host's UI font is narrower than the usual Linux default; a condensed face stands in.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans Condensed")));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder for the PNG files.", "folder", defaultFolder);
    const QCommandLineOption scaleOption("scale", "Display scale factor.", "factor", "1.0");
    parser.addOptions({outOption, scaleOption});
    parser.process(app);
    ScreenshotOptions options{QDir(parser.value(outOption)), parser.value(scaleOption).toDouble()};
    if (options.scale <= 0 || !QDir().mkpath(options.out.path())) {
        std::fprintf(stderr, "bad --scale or --out\n");
        return std::nullopt;
    }
    return options;
}

inline void waitFrames(QQuickView& view, int frames) {
    for (int i = 0; i < frames; ++i) {
        QEventLoop loop;
        QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
        QTimer::singleShot(frameTimeoutMs, &loop, &QEventLoop::quit);
        view.update();
        loop.exec();
    }
}

// Loads the main view into `view` at `scale` on a white background, with the objects `setup`
// publishes, and shows it. Returns the configuration manager behind it; null, after a message,
// when the view did not load.
inline ConfigManager* showMainView(QQuickView& view, QmlTestSetup& setup, double scale,
                                   bool graphsEnabled) {
    setup.qmlEngineAvailable(view.engine());
    QQmlContext* context = view.engine()->rootContext();
    context->setContextProperty(QStringLiteral("qt_scale"), scale);
    context->setContextProperty(QStringLiteral("cpp_graphsEnabled"), graphsEnabled);
    auto* manager = qobject_cast<ConfigManager*>(
        context->contextProperty("cpp_configManager").value<QObject*>());
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setColor(Qt::white);
    view.resize(int(windowWidth * scale), int(windowHeight * scale));
    view.setSource(QUrl(QStringLiteral("qrc:/keoqml/MainView.qml")));
    if (view.status() != QQuickView::Ready || !manager) {
        std::fprintf(stderr, "the main view did not load\n");
        return nullptr;
    }
    view.show();
    return manager;
}
