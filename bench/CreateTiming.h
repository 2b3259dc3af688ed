#pragma once

#include "KEOUI64/KEOUI64.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlContext>
#include <QQuickView>
#include <QTimer>

// The work envelopes of both clusters that the benchmarks hand to Create.
inline const WorkEnvelopeLimits benchEnvelopes[2] = {{0.4f, 0.4f, 0.45f, 0.2f, 0.25f, 0.25f, 1},
                                                     {0.5f, 0.5f, 0.55f, 0.25f, 0.3f, 0.3f, 1}};

// Milliseconds from the host's call of Create on a new view to the view's first frame on screen,
// or -1 when the script did not load.
inline double createToFirstFrameMs(const QString& script) {
    static DestructionNotifier notifier;
    static JVX::GraphWidgetRepainter repainter;
    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("qt_scale"), 1.0);
    QEventLoop firstFrame;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &firstFrame, &QEventLoop::quit);
    QTimer::singleShot(30000, &firstFrame, &QEventLoop::quit);

    QElapsedTimer clock;
    clock.start();
    const int code = Create(&view, script, false, &notifier, &repainter, nullptr, benchEnvelopes);
    firstFrame.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    return code == 0 ? ms : -1.0;
}
