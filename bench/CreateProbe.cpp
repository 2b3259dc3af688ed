// Create to the first frame of the main view, as bench/CreateBench.cpp measures it, for builds that
// have no Google Benchmark (the Windows build, run under Wine). Prints each of ten runs and their
// median in milliseconds; run it with a real display (xvfb-run -a) to include rendering.
//   create_probe SCRIPT
#include "KEOUI64/KEOUI64.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlContext>
#include <QQuickView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 10;

double createToFirstFrameMs(const QString& script) {
    static const WorkEnvelopeLimits envelopes[2] = {{0.4f, 0.4f, 0.45f, 0.2f, 0.25f, 0.25f, 1},
                                                    {0.5f, 0.5f, 0.55f, 0.25f, 0.3f, 0.3f, 1}};
    static DestructionNotifier notifier;
    static JVX::GraphWidgetRepainter repainter;
    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("qt_scale"), 1.0);
    QEventLoop firstFrame;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &firstFrame, &QEventLoop::quit);
    QTimer::singleShot(30000, &firstFrame, &QEventLoop::quit);

    QElapsedTimer clock;
    clock.start();
    const int code = Create(&view, script, false, &notifier, &repainter, nullptr, envelopes);
    firstFrame.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    return code == 0 ? ms : -1.0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: create_probe SCRIPT\n");
        return 2;
    }
    const QString script = QString::fromLocal8Bit(argv[1]);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double ms = createToFirstFrameMs(script);
        if (ms < 0) {
            std::fprintf(stderr, "the script did not load\n");
            return 1;
        }
        std::printf("run %d: %.1f ms\n", run + 1, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("Create to first frame, median of %d: %.1f ms\n", runs,
                (times[runs / 2 - 1] + times[runs / 2]) / 2);
    return 0;
}
