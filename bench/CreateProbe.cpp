// Create to the first frame of the main view, timed as bench/CreateBench.cpp times it, for builds
// that have no Google Benchmark (the Windows build, run under Wine). Prints each of ten runs and
// their median in milliseconds; run it with a real display (xvfb-run -a) to include rendering.
//   create_probe SCRIPT
#include "CreateTiming.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 10;

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
