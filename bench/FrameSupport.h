#pragma once

#include <QEventLoop>
#include <QQuickWindow>
#include <QTimer>

// Runs the event loop until the window's next frame is on screen (at most five seconds).
inline void waitForNextFrame(QQuickWindow& window) {
    QEventLoop frame;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &frame, &QEventLoop::quit);
    QTimer::singleShot(5000, &frame, &QEventLoop::quit);
    window.update();
    frame.exec();
}
