// An empty range (the first step, any constant signal) once turned y into 0/0 and drew garbage;
// the flat-line tests below guard that, and every text is checked through a recording device.
#include "graph/GraphDrawing.h"

#include "graph/GraphSource.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using JVX::GraphPaintRequest;
using JVX::GraphSource;

constexpr int Width = 510; // 5 + 50 steps of 10 pixels + 5
constexpr int Height = 200;

// The texts and line segments painted, with the pen of each line.
struct Recording {
    QStringList texts;
    std::vector<std::pair<QLine, QPen>> lines;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Runs of one line (split at font or script changes) are joined: one entry per line.
    void drawTextItem(const QPointF& position, const QTextItem& item) override {
        const bool continues = position.y() == m_lastBaseline && qAbs(position.x() - m_lastEnd) < 1;
        if (!recording.texts.isEmpty() && continues)
            recording.texts.last() += item.text();
        else
            recording.texts << item.text();
        m_lastBaseline = position.y();
        m_lastEnd = position.x() + item.width();
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            recording.lines.push_back({lines[i].toLine(), m_pen});
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            recording.lines.push_back({lines[i], m_pen});
    }
    Type type() const override { return QPaintEngine::User; }

    Recording recording;

private:
    QPen m_pen;
    qreal m_lastBaseline = -1e9;
    qreal m_lastEnd = -1e9;
};

// An image's size and resolution, painted into the recording engine instead of pixels.
class RecordingDevice : public QImage {
public:
    RecordingDevice()
        : QImage(Width, Height, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;
};

GraphPaintRequest request(bool details = false) {
    GraphPaintRequest r;
    r.background = QBrush(Qt::white);
    r.width = Width;
    r.height = Height;
    r.showDetails = details;
    return r;
}

GraphPaintRequest hoverAt(QPoint point) {
    GraphPaintRequest r = request();
    r.hovering = true;
    r.hoverPoint = point;
    return r;
}

QImage render(GraphSource& source, const GraphPaintRequest& r) {
    QImage image(r.width, r.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    JVX::paintGraph(source, painter, r);
    return image;
}

Recording record(GraphSource& source, const GraphPaintRequest& r) {
    RecordingDevice device;
    QPainter painter(&device);
    JVX::paintGraph(source, painter, r);
    painter.end();
    return device.engine.recording;
}

std::vector<int> rowsWithColor(const QImage& image, QColor color) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

int countColor(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

void fill(GraphSource& source, const std::vector<float>& values) {
    std::uint64_t time = 1000;
    for (float value : values) {
        source.addSamples(1, &value, false, time);
        time += 10;
    }
}

class GraphDrawing : public ::testing::Test {
protected:
    void SetUp() override { source.setMaxOnScreen(50); }
    GraphSource source;
};

TEST_F(GraphDrawing, EmptyGraphDrawsOnlyTheMiddleLineAndDetailsOfAZeroRange) {
    const QImage image = render(source, request());
    EXPECT_EQ(rowsWithColor(image, Qt::black), std::vector<int>{Height / 2});
    EXPECT_EQ(countColor(image, Qt::black), Width - 10 + 1);
    EXPECT_EQ(countColor(image, Qt::white), Width * Height - (Width - 9));

    GraphPaintRequest r = hoverAt(QPoint(100, 80));
    r.showDetails = true;
    const QStringList texts = record(source, r).texts;
    EXPECT_EQ(texts.count("0.0000"), 2);
    EXPECT_TRUE(texts.contains("50/0 ms"));
    EXPECT_TRUE(texts.contains("0 ms"));
    EXPECT_TRUE(texts.contains("No data"));
}

TEST_F(GraphDrawing, ConstantSignalIsAFlatLineAtMidHeight) {
    source.setAutoRangeDownscale(true);
    fill(source, {2.0f});
    const QImage image = render(source, request());
    EXPECT_EQ(source.rangeMin(), 2.0f);
    EXPECT_EQ(source.rangeMax(), 2.0f);
    const int middle = (Height - 4) / 2 + 2;
    // Width 2 with a square cap covers the row above the line's row too.
    EXPECT_EQ(rowsWithColor(image, Qt::blue), (std::vector<int>{middle - 1, middle}));
}

// Each row's values are added with its options set, then the graph is drawn.
TEST_F(GraphDrawing, RangeGrowsUntilDownscaleIsOnAndMirrorsOnlyARangeAcrossZero) {
    std::vector<float> twos(50, 2.0f);
    std::vector<float> onesThenThree(50, 1.0f);
    onesThenThree.push_back(3.0f);
    const struct {
        std::vector<float> values;
        bool downscale;
        bool symmetrical;
        float min;
        float max;
    } steps[] = {
        {{1.0f}, false, true, 0.0f, 1.0f}, // from the empty range
        {{3.0f}, false, true, 0.0f, 3.0f},
        {twos, false, true, 0.0f, 3.0f}, // 3 has left the screen, the range stays
        {{1.5f}, true, true, 1.5f, 2.0f},
        {{-1.0f, 3.0f}, true, true, -3.0f, 3.0f},
        {onesThenThree, true, true, 1.0f, 3.0f},
        {{-1.0f}, true, false, -1.0f, 3.0f},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        source.setAutoRangeDownscale(steps[i].downscale);
        source.setSymmetricalScale(steps[i].symmetrical);
        fill(source, steps[i].values);
        render(source, request());
        EXPECT_EQ(source.rangeMin(), steps[i].min);
        EXPECT_EQ(source.rangeMax(), steps[i].max);
    }
}

TEST_F(GraphDrawing, YLimitBoundsTheRangeAndLinesLeaveTheRectangle) {
    source.setYLimit(2.0f);
    fill(source, {-5.0f, 5.0f, -5.0f});
    const Recording recording = record(source, request());
    EXPECT_EQ(source.rangeMin(), -2.0f);
    EXPECT_EQ(source.rangeMax(), 2.0f);
    int lowest = 0;
    for (const auto& [line, pen] : recording.lines)
        lowest = std::max({lowest, line.y1(), line.y2()});
    EXPECT_GT(lowest, Height);
}

// Hidden series leave the remembered range, which puts the zero line, until downscaling shrinks
// the range to zero.
TEST_F(GraphDrawing, HiddenSeriesLeaveTheZeroLineAtZero) {
    fill(source, {-1.0f, 3.0f});
    render(source, request()); // range -3..3
    source.setVisibility({false});
    const QImage image = render(source, request());
    // y(0) = (1 - 3 / 6) * 196 = 98, drawn 2 pixels down.
    EXPECT_EQ(rowsWithColor(image, Qt::black), std::vector<int>{100});
    EXPECT_EQ(countColor(image, Qt::blue), 0);
    source.setAutoRangeDownscale(true);
    render(source, request());
    EXPECT_EQ(source.rangeMin(), 0.0f);
    EXPECT_EQ(source.rangeMax(), 0.0f);
}

TEST_F(GraphDrawing, NonFiniteSamplesNeitherSpoilTheRangeNorBreakTheDrawing) {
    source.setAutoRangeDownscale(true);
    fill(source, {1.0f, NAN, 3.0f, INFINITY, -INFINITY, 2.0f});
    const QImage image = render(source, request(true));
    EXPECT_EQ(source.rangeMin(), 1.0f);
    EXPECT_EQ(source.rangeMax(), 3.0f);
    EXPECT_GT(countColor(image, Qt::blue), 0);
}

// Series 0 holds the step's index, series 1 its negative.
TEST_F(GraphDrawing, HoverReadsEveryVisibleSeriesUnderTheCursor) {
    source.setCaption("Input", 0);
    for (int i = 0; i < 50; ++i)
        source.addSamples(2, std::array<float, 2>{float(i), float(-i)}.data(), false, 1000 + i);
    const struct {
        QPoint cursor;
        std::vector<bool> visible;
        QStringList texts;
    } cases[] = {
        {{5 + 10 * 20 + 3, 150}, {true, true}, {"(Blue) Input = 20.0000", "Green = -20.0000"}},
        // Right half: the text goes left of the cursor, with nothing for the hidden series.
        {{400, 150}, {false, true}, {"Green = -39.0000"}},
        {{-6, 150}, {true, true}, {"No data"}}, // (-6 - 5) / 10 truncates to -1
        {{Width - 6, 150}, {true, true}, {}},   // sample 49, past the last segment
    };
    for (const auto& c : cases) {
        source.setVisibility(c.visible);
        EXPECT_EQ(record(source, hoverAt(c.cursor)).texts, c.texts) << c.cursor.x();
    }
}

class Measurement : public GraphDrawing {
protected:
    // Series 0 rises by 1 per step of 10 ms; series 1 stays at 5.
    void SetUp() override {
        GraphDrawing::SetUp();
        for (int i = 0; i < 50; ++i)
            source.addSamples(2, std::array<float, 2>{float(i), 5.0f}.data(), false, 1000 + 10 * i);
    }
    QStringList measure(int pressSample, int hoverSample) {
        GraphPaintRequest r = hoverAt(QPoint(5 + 10 * hoverSample + 1, 150));
        r.pressed = true;
        r.pressPoint = QPoint(5 + 10 * pressSample + 1, 100);
        return record(source, r).texts;
    }
};

// Either direction gives the same difference and slope; no time difference, no slope.
TEST_F(Measurement, ShowsDifferenceAndSlopeWithCaptions) {
    const QStringList expected{"Blue Δ=20.0000 / 200 [ms] => V=0.1000 Δ/ms",
                               "Green Δ=0.0000 / 200 [ms] => V=0.0000 Δ/ms"};
    EXPECT_EQ(measure(10, 30), expected);
    EXPECT_EQ(measure(30, 10), expected);
    EXPECT_EQ(measure(12, 12), QStringList({"Blue Δ=0.0000 / 0 [ms]", "Green Δ=0.0000 / 0 [ms]"}));
    source.setCaption("Output", 1);
    EXPECT_EQ(measure(0, 1).value(1), "(Green) Output Δ=0.0000 / 10 [ms] => V=0.0000 Δ/ms");
}

// Past the palette's ten colours a series is black (the colours themselves: the contrast test).
TEST(GraphLegend, LabelsAndColors) {
    EXPECT_EQ(JVX::seriesLabel(1, {"In", "Out"}), "(Green) Out");
    EXPECT_EQ(JVX::seriesLabel(12, {"In"}), "Black");
    EXPECT_EQ(JVX::seriesColor(10), QColor(Qt::black));
}

// The bars of 64 steps of a signal: the lines drawn with the bars' pen of width 4.
std::vector<QLine> spectrumBars(GraphSource& source, float (*signal)(int)) {
    source.setFftEnabled(true);
    for (int n = 0; n < 64; ++n) {
        const float value = signal(n);
        source.addSamples(1, &value, false, 1000 + n);
    }
    std::vector<QLine> bars;
    for (const auto& [line, pen] : record(source, request(true)).lines)
        if (pen.width() == 4)
            bars.push_back(line);
    return bars;
}

// Without a constant term the bars once divided 0 by 0.
TEST_F(GraphDrawing, SpectrumBarsOfAZeroSignalAreFlat) {
    const auto bars = spectrumBars(source, [](int) { return 0.0f; });
    ASSERT_EQ(source.spectrum().coefficients[0], 0.0f);
    ASSERT_EQ(bars.size(), 32u);
    for (const QLine& bar : bars) {
        EXPECT_EQ(bar.y1(), Height - 25);
        EXPECT_EQ(bar.y2(), Height - 25);
    }
}

TEST(GraphDrawingReduction, ReducedPictureMatchesTheFullDrawing) {
    GraphSource source;
    source.setMaxOnScreen(4000);
    std::mt19937 generator(3);
    std::normal_distribution<float> step(0.0f, 1.0f);
    std::array<float, 7> values{};
    for (int i = 0; i < 4000; ++i) {
        for (float& value : values)
            value += step(generator);
        source.addSamples(7, values.data(), false, 1000 + i);
    }
    for (const QSize size : {QSize(400, 200), QSize(1600, 800)}) {
        GraphPaintRequest r = request(true);
        r.width = size.width();
        r.height = size.height();
        r.reduceToPixelColumns = false;
        const QImage full = render(source, r);
        r.reduceToPixelColumns = true;
        const QImage reduced = render(source, r);
        int differing = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                differing += full.pixel(x, y) != reduced.pixel(x, y);
        EXPECT_EQ(differing, 0) << size.width() << " x " << size.height();
    }
}

} // namespace
