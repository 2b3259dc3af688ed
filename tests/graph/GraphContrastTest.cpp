// The hover read-out was once drawn in white and the third series in #dddddd on the light window
// background: both all but invisible. A bigger view with seven series is rendered here as a user
// sees it, hovering and measuring, on the window palettes of the usual hosts, and the contrast of
// sampled pixels is checked against the background they are drawn on (WCAG: 3:1 for lines, 4.5:1
// for text).
#include "graph/GraphDrawing.h"
#include "graph/GraphSource.h"
#include "graph/GraphWidget.h"
#include "graph/GraphWindow.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMap>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Written from the WCAG definition, independently of the drawing code.
double luminance(QColor color) {
    auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the area have: what the others are drawn on.
QRgb dominantColor(const QImage& image, const QRect& area) {
    QMap<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.cbegin(), counts.cend()).key();
}

struct Palette {
    const char* host;
    QPalette palette;
};

std::vector<Palette> hostPalettes() {
    std::vector<Palette> palettes{{"application palette, no style sheet", QApplication::palette()}};
    for (const char* style : {"Fusion", "Windows"}) {
        const std::unique_ptr<QStyle> qstyle(QStyleFactory::create(QString::fromLatin1(style)));
        if (qstyle)
            palettes.push_back({style, qstyle->standardPalette()});
    }
    return palettes;
}

class GraphContrast : public ::testing::Test {
protected:
    static constexpr int seriesCount = 7;

    void SetUp() override {
        for (int k = 0; k < seriesCount - 1; ++k)
            source.setCaption(QStringLiteral("Series %1").arg(k + 1), k);
        // Lines at 3 .. 9 in the upper half; one early dip to -9 makes the range -9 .. 9, so that
        // the read-outs at the bottom have only the background behind them.
        for (int step = 0; step < 200; ++step) {
            float values[seriesCount];
            for (int k = 0; k < seriesCount; ++k)
                values[k] = float(3 + k);
            if (step == 0)
                values[0] = -9.0f;
            source.addSamples(seriesCount, values, false, 1000 + 10 * std::uint64_t(step));
        }
        window.reset(JVX::buildBiggerView(QStringLiteral("Contrast"), &source, nullptr, true));
        widget = window->graphWidget();
    }

    QImage render(const QPalette& palette, QPoint cursor, const QPoint* press) {
        window->setPalette(palette);
        window->resize(640, 416);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        if (press)
            QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, *press);
        QCursor::setPos(widget->mapToGlobal(cursor));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (press)
            QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, cursor);
        const QPoint origin = widget->mapTo(window.get(), QPoint(0, 0));
        return image.copy(QRect(origin, widget->size()));
    }

    // Every pixel of the column that is not its background stands out by 3:1; returns how many
    // differently coloured lines cross it.
    static int checkLines(const QImage& image, int x, const char* where) {
        const QRect column(x, 2, 1, image.height() - 24);
        const QRgb background = dominantColor(image, column);
        std::set<QRgb> lines;
        for (int y = column.top(); y <= column.bottom(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == background)
                continue;
            lines.insert(pixel);
            EXPECT_GE(contrast(QColor(pixel), QColor(background)), 3.0)
                << where << ": line pixel " << QColor(pixel).name().toStdString() << " at " << x
                << ", " << y << " on " << QColor(background).name().toStdString();
        }
        return int(lines.size());
    }

    // The strongest pixel of a text area stands out by 4.5:1 from the area's background.
    static void checkText(const QImage& image, const QRect& area, const char* what) {
        const QRgb background = dominantColor(image, area);
        double strongest = 1.0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                strongest =
                    std::max(strongest, contrast(QColor(image.pixel(x, y)), QColor(background)));
        EXPECT_GE(strongest, 4.5) << what << " on " << QColor(background).name().toStdString();
    }

    JVX::GraphSource source;
    std::unique_ptr<JVX::GraphWindow> window;
    JVX::GraphWidget* widget = nullptr;
};

TEST_F(GraphContrast, SevenSeriesReadOutsAndDetailsStandOutOnEveryHostPalette) {
    for (const Palette& host : hostPalettes()) {
        SCOPED_TRACE(host.host);
        // The window's size less the layout's margins of 2 pixels.
        const int w = 636;
        const int h = 412;
        // Hovering: the cursor in the left quarter, near the bottom.
        const QPoint hover(w / 4, h - 12);
        const QImage hovering = render(host.palette, hover, nullptr);
        ASSERT_EQ(hovering.size(), QSize(w, h));
        EXPECT_GE(checkLines(hovering, w / 2 + 80, "hovering"), seriesCount + 1);
        checkText(hovering, QRect(hover.x() + 3, h - 60, 110, 44), "hover read-out");
        checkText(hovering, QRect(w - 70, 4, 64, 60), "newest values");

        // Measuring: a band from the left quarter to right of the middle.
        const QPoint press(w / 4, h / 2);
        const QPoint cursor(w / 2 + 140, h - 12);
        const QImage measuring = render(host.palette, cursor, &press);
        EXPECT_GE(checkLines(measuring, w / 2 + 80, "inside the band"), seriesCount + 1);
        EXPECT_GE(checkLines(measuring, w - 120, "beside the band"), seriesCount + 1);
        checkText(measuring, QRect(8, h - 50, 100, 36), "measurement");
    }
}

} // namespace
