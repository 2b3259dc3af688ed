#include "GraphDrawing.h"

#include "FrequencyAnalysis.h"
#include "GraphSource.h"

#include <QCoreApplication>
#include <QFont>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <limits>

namespace JVX {

namespace {

constexpr int Margin = 5;
constexpr int TextFontPixels = 11;
constexpr int BarFontPixels = 8;
constexpr int SpectrumBars = 32;
constexpr int DecimalsOfValues = 4;
// Far enough outside any screen to draw a line that leaves the graph, small enough for QLine.
constexpr double PixelLimit = 1 << 24;

// Truncates toward zero like a plain cast, but never converts a value that has no integer (NaN,
// infinities, huge numbers): that would be undefined behaviour and draw garbage.
int toPixel(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -PixelLimit, PixelLimit));
}

constexpr int SeriesPenWidth = 2;
// The least contrast of texts (WCAG AA); the series lines keep it too, so that they stay above
// 3:1 under the translucent measurement band.
constexpr double ReadableTextRatio = 4.5;
// Columns further out than this from the origin are stroked as lines: the rectangle rule below is
// established for coordinates of that size only.
constexpr int FillableLimit = 1 << 14;

// The samples of one series that fall into one pixel column, in device pixels.
struct PixelColumn {
    int x = 0;
    int first = 0;
    int last = 0;
    int low = 0;
    int high = 0;

    // In an aliased raster painter, a vertical line of the series pen (width 2, square caps) from
    // low to high covers exactly this rectangle.
    QRect rect() const { return QRect(x - 1, low - 1, SeriesPenWidth, high - low + 2); }
    bool fillable() const {
        return std::abs(x) < FillableLimit && std::abs(low) < FillableLimit &&
               std::abs(high) < FillableLimit;
    }
};

// The series pen's line between the last sample of a column and the first of the next one to its
// right stays within columns x - 1 .. x + 1 and the rows from one above its upper end down to its
// lower end. When both column rectangles span those rows, they already cover it.
bool coversConnection(const PixelColumn& from, const PixelColumn& to) {
    if (to.x != from.x + 1 || from.low == from.high || to.low == to.high || !from.fillable() ||
        !to.fillable())
        return false;
    const int top = std::min(from.last, to.first);
    const int bottom = std::max(from.last, to.first);
    return from.low <= top && from.high >= bottom && to.low <= top && to.high >= bottom;
}

// Whether the rectangle rule of PixelColumn holds for this painter: raster, aliased, and at most
// moved by whole pixels.
bool fillsExactPixels(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    // The device transform includes the scaling of high-density screens.
    const QTransform transform = painter.deviceTransform();
    const bool wholePixelMove = transform.type() <= QTransform::TxTranslate &&
                                transform.dx() == std::trunc(transform.dx()) &&
                                transform.dy() == std::trunc(transform.dy());
    return engine && engine->type() == QPaintEngine::Raster && wholePixelMove &&
           !painter.testRenderHint(QPainter::Antialiasing) &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

QString decimals(double value, int count) {
    return QString::number(value, 'f', count);
}

QString translated(const char* text) {
    return QCoreApplication::translate(GraphTextContext, text);
}

} // namespace

// Every colour reaches at least 4.5:1 against the light window backgrounds of the usual styles
// (#efefef to white), so that a line stays at 3:1 even under the measurement band.
QColor seriesColor(int index) {
    static const QColor colors[] = {
        QColor(Qt::blue),         QColor(Qt::darkGreen),    QColor(0x66, 0x66, 0x66),
        QColor(0xb3, 0x4d, 0x00), QColor(0xe8, 0x11, 0x23), QColor(0xd6, 0x00, 0x7f),
        QColor(0x68, 0x21, 0x7a), QColor(0x00, 0x6f, 0x9c), QColor(0x00, 0x78, 0x5f),
        QColor(0x5e, 0x70, 0x00),
    };
    if (index < 0 || index >= static_cast<int>(std::size(colors)))
        return QColor(Qt::black);
    return colors[index];
}

const char* seriesColorName(int index) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Blue"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Green"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Grey"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Dark orange"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Red"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Magenta"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Purple"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Dark cyan"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Teal"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Olive"),
    };
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return QT_TRANSLATE_NOOP("JVX::GraphWidget", "Black");
    return names[index];
}

namespace {

double relativeLuminance(const QColor& color) {
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor inkOn(const QColor& background) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

namespace {

// Mixes the colour toward the ink of the background in sixteenths until it stands out enough;
// the hue stays recognisable, so the legend's colour name still fits.
QColor readableOn(const QColor& color, const QColor& background, double minimumRatio) {
    const QColor ink = inkOn(background);
    const QColor rgb = color.toRgb();
    QColor mixed = rgb;
    for (int step = 1; step <= 16 && contrastRatio(mixed, background) < minimumRatio; ++step) {
        auto mix = [step](int from, int to) {
            return from + (to - from) * step / 16;
        };
        mixed = QColor(mix(rgb.red(), ink.red()), mix(rgb.green(), ink.green()),
                       mix(rgb.blue(), ink.blue()));
    }
    return mixed;
}

} // namespace

QColor seriesColorOn(int index, const QColor& background) {
    return readableOn(seriesColor(index), background, ReadableTextRatio);
}

QString seriesLabel(int index, const QStringList& captions) {
    const QString color = translated(seriesColorName(index));
    if (index >= 0 && index < captions.size())
        return QLatin1Char('(') + color + QLatin1String(") ") + captions[index];
    return color;
}

// One paint of one source; lives for the duration of paintGraph() under the data lock.
class GraphPainter {
public:
    GraphPainter(GraphSource& source, QPainter& painter, const GraphPaintRequest& request)
        : m_source(source)
        , m_painter(painter)
        , m_request(request)
        , m_width(request.width)
        , m_height(request.height)
        , m_fillsColumns(fillsExactPixels(painter))
        , m_ink(inkOn(request.background.color())) {}

    void paint() {
        m_source.m_measurements.resize(m_source.m_delivered);
        m_sampleCount = m_source.m_channels.empty() ? 0 : m_source.m_channels.front().ring.count();
        m_maxOnScreen = m_source.m_maxOnScreen;
        if (m_sampleCount < 1 || m_maxOnScreen < 1) {
            drawEmptyLine();
        } else {
            computeStep();
            collectColumns();
            computeRange();
            if (m_source.drawReferenceLines())
                drawReferenceLines();
            for (std::size_t k = 0; k < m_source.m_delivered; ++k) {
                if (m_source.m_channels[k].visible)
                    drawChannel(static_cast<int>(k));
            }
            drawZeroLine();
        }
        if (m_request.showDetails)
            drawDetails();
        if (m_request.hovering)
            drawHover();
    }

private:
    // y of a displayed value, top at 0 and bottom at height - 4. An empty range (the first step,
    // a constant signal) has no scale: its values sit at mid-height.
    int y(float value) const {
        if (!m_hasScale || std::isnan(value))
            return m_middle;
        const float fraction = (1.0f - (value - m_lo) / m_span) * m_plotHeight;
        return std::isnan(fraction) ? m_middle : toPixel(fraction);
    }

    void setScale() {
        m_span = m_hi - m_lo;
        m_plotHeight = static_cast<float>(m_height - 4);
        m_middle = toPixel(m_plotHeight * 0.5f);
        m_hasScale = m_span != 0.0f && std::isfinite(m_span);
    }

    int x(std::uint32_t i) const { return toPixel(static_cast<float>(i) * m_step + Margin); }

    void setFontPixels(int base) {
        QFont font = m_painter.font();
        font.setPixelSize(std::max(1, toPixel(base * m_source.m_scaleFactor)));
        m_painter.setFont(font);
    }

    void setOpaqueText(const QBrush& background) {
        m_painter.setPen(QPen(inkOn(background.color())));
        m_painter.setBackgroundMode(Qt::OpaqueMode);
        m_painter.setBackground(background);
    }

    void drawEmptyLine() {
        m_painter.setPen(QPen(m_ink));
        m_painter.drawLine(Margin, m_height / 2, m_width - Margin, m_height / 2);
    }

    // Sorts the samples of every visible series into pixel columns (see ColumnValues), and finds
    // the extremes of their finite values on the way.
    void collectColumns() {
        std::vector<ColumnValues>& all = m_source.m_columnValues;
        std::vector<std::size_t>& runs = m_source.m_columnRuns;
        all.clear();
        runs.assign(m_source.m_delivered + 1, 0);
        const std::vector<int>& columns = m_source.m_columnBuffer;
        for (std::size_t k = 0; k < m_source.m_delivered; ++k) {
            runs[k] = all.size();
            const Channel& channel = m_source.m_channels[k];
            if (!channel.visible)
                continue;
            std::uint32_t i = 0;
            channel.ring.forEach(m_sampleCount, [&](const Sample& sample) {
                const int column = columns[i++];
                const float value = channel.displayed(sample);
                if (i > 1 && column == all.back().x)
                    all.back().add(value);
                else
                    all.emplace_back().start(column, value);
            });
        }
        runs.back() = all.size();
        float lo = std::numeric_limits<float>::infinity();
        float hi = -std::numeric_limits<float>::infinity();
        for (const ColumnValues& values : all) {
            lo = std::min(lo, values.smallest);
            hi = std::max(hi, values.largest);
        }
        // Without a finite value the range starts at 0..0.
        if (lo <= hi) {
            m_lo = lo;
            m_hi = hi;
        }
    }

    // Non-finite values take no part in the range, so one bad sample cannot spoil the scale.
    void computeRange() {
        if (!m_source.autoRangeDownscale()) {
            m_lo = std::min(m_source.m_rangeMin, m_lo);
            m_hi = std::max(m_source.m_rangeMax, m_hi);
        }
        if (m_source.symmetricalScale() && m_lo < 0.0f && 0.0f < m_hi) {
            m_hi = std::max(m_hi, -m_lo);
            m_lo = -m_hi;
        }
        const float limit = m_source.yLimit();
        if (limit != 0.0f) {
            m_lo = std::max(std::min(m_lo, limit), -limit);
            m_hi = std::max(std::min(m_hi, limit), -limit);
        }
        m_source.m_rangeMin = m_lo;
        m_source.m_rangeMax = m_hi;
        setScale();
    }

    void computeStep() {
        m_step = static_cast<float>(m_width - 10) / static_cast<float>(m_maxOnScreen);
        std::vector<int>& columns = m_source.m_columnBuffer;
        columns.resize(m_sampleCount);
        for (std::uint32_t i = 0; i < m_sampleCount; ++i)
            columns[i] = x(i);
        if (m_step == 0.0f)
            return;
        m_hoverIndex = toPixel((m_request.hoverPoint.x() - Margin) / m_step);
        m_pressIndex = toPixel((m_request.pressPoint.x() - Margin) / m_step);
    }

    void drawReferenceLines() {
        const float middle = (m_hi + m_lo) * 0.5f;
        const float distance = (m_hi - m_lo) * 0.3535f;
        m_painter.setPen(QPen(m_ink, 1, Qt::DotLine));
        for (float value : {middle, middle + distance, middle - distance})
            m_painter.drawLine(Margin, y(value), m_width - 10, y(value));
        setFontPixels(TextFontPixels);
        setOpaqueText(m_request.background);
        m_painter.drawText(QRect(Margin, y(middle) - 22, m_width - Margin, 22),
                           Qt::AlignRight | Qt::AlignBottom, decimals(middle, DecimalsOfValues));
    }

    void drawChannel(int k) {
        const Channel& channel = m_source.m_channels[k];
        collectReadouts(k, channel);
        QVector<QLine>& lines = m_source.m_lineBuffer;
        QVector<QRect>& rects = m_source.m_rectBuffer;
        lines.clear();
        rects.clear();
        if (m_request.reduceToPixelColumns) {
            addColumnSegments(k, lines, m_fillsColumns ? &rects : nullptr);
        } else {
            computeRows(channel);
            addAllSegments(lines);
        }
        const QColor color = seriesColorOn(k, m_request.background.color());
        if (!rects.isEmpty()) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(color);
            m_painter.drawRects(rects);
            m_painter.setBrush(Qt::NoBrush);
        }
        m_painter.setPen(QPen(color, SeriesPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        m_painter.drawLines(lines);
    }

    // Read-outs take the exact samples under the cursor and at the press, whatever is drawn.
    // Like the segments they cover samples 0 .. n - 2.
    void collectReadouts(int k, const Channel& channel) {
        if (m_sampleCount < 2)
            return;
        const int lastSegment = static_cast<int>(m_sampleCount) - 2;
        MeasurementRecord& record = m_source.m_measurements[k];
        if (m_request.pressed && m_pressIndex >= 0 && m_pressIndex <= lastSegment) {
            const Sample& sample = channel.ring.at(m_pressIndex);
            record.pressValue = channel.displayed(sample);
            record.pressTime = sample.timestamp;
        }
        if (m_hoverIndex >= 0 && m_hoverIndex <= lastSegment) {
            const Sample& sample = channel.ring.at(m_hoverIndex);
            const float value = channel.displayed(sample);
            if (m_request.pressed) {
                record.hoverValue = value;
                record.hoverTime = sample.timestamp;
            }
            if (m_request.hovering)
                appendReadout(m_hoverText, k, value);
        }
        if (k > 0)
            m_newestText += QLatin1Char('\n');
        m_newestText += decimals(channel.displayed(channel.ring.newest()), DecimalsOfValues);
    }

    void appendReadout(QString& text, int k, float value) const {
        if (k > 0)
            text += QLatin1Char('\n');
        text += seriesLabel(k, m_source.m_captions) + QLatin1String(" = ") +
                decimals(value, DecimalsOfValues);
    }

    // Pixel row of every sample of the series, in one pass of independent steps.
    void computeRows(const Channel& channel) {
        std::vector<int>& rows = m_source.m_rowBuffer;
        rows.resize(m_sampleCount);
        int* row = rows.data();
        channel.ring.forEach(m_sampleCount, [&](const Sample& sample) {
            *row++ = y(channel.displayed(sample)) + 2;
        });
    }

    void addAllSegments(QVector<QLine>& lines) const {
        const std::vector<int>& columns = m_source.m_columnBuffer;
        const std::vector<int>& rows = m_source.m_rowBuffer;
        QPoint from(columns[0], rows[0]);
        for (std::uint32_t i = 1; i < m_sampleCount; ++i) {
            const QPoint to(columns[i], rows[i]);
            const QLine segment(from, to);
            if (lines.isEmpty() || lines.constLast() != segment)
                lines.append(segment);
            from = to;
        }
    }

    // The segments between samples that fall into one pixel column are vertical and join up, so
    // together they cover exactly the column's minimum to maximum: one line per column and one
    // from each column to the next draw the same pixels as every segment. With `rects` the
    // columns become rectangles, and a connection between neighbouring columns that both
    // rectangles cover is left out (see PixelColumn and coversConnection).
    void addColumnSegments(int k, QVector<QLine>& lines, QVector<QRect>* rects) const {
        const std::vector<ColumnValues>& all = m_source.m_columnValues;
        const std::size_t begin = m_source.m_columnRuns[k];
        const std::size_t end = m_source.m_columnRuns[k + 1];
        PixelColumn previous;
        for (std::size_t c = begin; c < end; ++c) {
            const PixelColumn current = pixelColumn(all[c]);
            addColumn(current, lines, rects);
            if (c > begin)
                addConnection(previous, current, lines, rects != nullptr);
            previous = current;
        }
    }

    // The row falls as the value rises (every step of y() is monotonic), so the largest and the
    // smallest finite value give the column's top and bottom.
    PixelColumn pixelColumn(const ColumnValues& values) const {
        PixelColumn column;
        column.x = values.x;
        column.first = y(values.first) + 2;
        column.last = y(values.last) + 2;
        int top = std::numeric_limits<int>::max();
        int bottom = std::numeric_limits<int>::min();
        auto include = [&](float value) {
            const int row = y(value);
            top = std::min(top, row);
            bottom = std::max(bottom, row);
        };
        if (values.hasFinite()) {
            include(values.largest);
            include(values.smallest);
        }
        if (values.hasNaN)
            include(std::numeric_limits<float>::quiet_NaN());
        if (values.hasPlusInfinity)
            include(std::numeric_limits<float>::infinity());
        if (values.hasMinusInfinity)
            include(-std::numeric_limits<float>::infinity());
        column.low = top + 2;
        column.high = bottom + 2;
        return column;
    }

    static void addColumn(const PixelColumn& column, QVector<QLine>& lines, QVector<QRect>* rects) {
        if (column.low == column.high)
            return;
        if (rects && column.fillable())
            rects->append(column.rect());
        else
            lines.append(QLine(column.x, column.low, column.x, column.high));
    }

    // The line from the last sample of `from` to the first of `to`.
    static void addConnection(const PixelColumn& from, const PixelColumn& to, QVector<QLine>& lines,
                              bool columnsFilled) {
        if (columnsFilled && coversConnection(from, to))
            return;
        lines.append(QLine(from.x, from.last, to.x, to.first));
    }

    void drawZeroLine() {
        m_painter.setPen(QPen(m_ink));
        m_painter.drawLine(Margin, y(0.0f) + 2, m_width - Margin, y(0.0f) + 2);
    }

    void drawDetails() {
        m_painter.setPen(QPen(m_ink));
        m_painter.drawLine(Margin, 2, Margin, m_height - 3);
        setFontPixels(TextFontPixels);
        setOpaqueText(m_request.background);
        const QRect left(10, 2, m_width, m_height - 4);
        const QRect right(0, 2, m_width - 2, m_height - 4);
        m_painter.drawText(left, Qt::AlignLeft | Qt::AlignTop, decimals(m_hi, DecimalsOfValues));
        m_painter.drawText(left, Qt::AlignLeft | Qt::AlignBottom, decimals(m_lo, DecimalsOfValues));
        m_painter.drawText(right, Qt::AlignHCenter | Qt::AlignBottom,
                           QString::number(m_maxOnScreen) + QLatin1Char('/') +
                               QString::number(m_source.m_span) + QLatin1String(" ms"));
        m_painter.drawText(right, Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, m_newestText);
        m_painter.drawText(right, Qt::AlignRight | Qt::AlignBottom,
                           QString::number(m_source.m_interval) + QLatin1String(" ms"));
        if (m_source.fftEnabled() && m_source.m_spectrum)
            drawSpectrum(*m_source.m_spectrum);
    }

    void drawSpectrum(const FrequencyAnalysis& spectrum) {
        m_painter.setPen(QPen(m_ink, 4));
        setFontPixels(BarFontPixels);
        const float pitch = 2.0f * static_cast<float>(m_width - 15) * 0.015625f;
        const float reference = std::fabs(spectrum.coefficients[0]) * 4.0f;
        const float base = static_cast<float>(m_height - 25);
        for (int i = 0; i < SpectrumBars; ++i) {
            const float bx = static_cast<float>(i) * pitch + 15.0f;
            // A zero-mean signal has no constant term to compare with: its bars stay flat.
            const float bar = reference > 0.0f
                                  ? static_cast<float>(m_height) *
                                        std::fabs(spectrum.coefficients[i]) / reference * 0.5f
                                  : 0.0f;
            m_painter.drawLine(toPixel(bx), toPixel(base), toPixel(bx), toPixel(base - bar));
            m_painter.drawText(QRect(toPixel(bx - 10.0f), toPixel(base), 20, 10),
                               Qt::AlignHCenter | Qt::AlignTop,
                               decimals(spectrum.frequencies[i], 1));
        }
        m_painter.drawText(QRect(0, 2, m_width - 2, m_height - 4),
                           Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap,
                           QString::number(toPixel(spectrum.rate)) + QLatin1String(" Hz"));
    }

    void drawHover() {
        m_painter.setPen(QPen(m_ink));
        setFontPixels(TextFontPixels);
        if (m_request.pressed)
            drawMeasurement();
        else
            drawHoverCursor();
    }

    // The read-out sits on a box of the background, so that it stays readable where it crosses
    // the series.
    void drawHoverCursor() {
        const QPoint hover = m_request.hoverPoint;
        m_painter.drawLine(hover.x(), 0, hover.x(), m_height - 1);
        setOpaqueText(m_request.background);
        if (m_hoverIndex == -1)
            m_hoverText = translated(QT_TRANSLATE_NOOP("JVX::GraphWidget", "No data"));
        if (hover.x() > m_width / 2)
            m_painter.drawText(QRect(0, 0, hover.x() - 1, hover.y()),
                               Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, m_hoverText);
        else
            m_painter.drawText(QRect(hover.x() + 1, 0, m_width, hover.y()),
                               Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, m_hoverText);
    }

    void drawMeasurement() {
        const QPoint hover = m_request.hoverPoint;
        const int left = std::min(hover.x(), m_request.pressPoint.x());
        const int right = std::max(hover.x(), m_request.pressPoint.x());
        m_painter.fillRect(QRect(left, 0, right - left, m_height - 1), QColor(20, 20, 20, 100));
        QString text;
        for (std::size_t k = 0; k < m_source.m_measurements.size(); ++k)
            appendMeasurement(text, static_cast<int>(k));
        setOpaqueText(QBrush(Qt::white));
        m_painter.drawText(QRect(Margin, 0, m_width, hover.y()),
                           Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, text);
    }

    // Difference and slope from the earlier to the later of the two samples, so that dragging
    // either way reads the same; on a tie the press counts as the later one.
    void appendMeasurement(QString& text, int k) const {
        const MeasurementRecord& record = m_source.m_measurements[k];
        const bool pressIsLater = record.pressTime >= record.hoverTime;
        const float endValue = pressIsLater ? record.pressValue : record.hoverValue;
        const float startValue = pressIsLater ? record.hoverValue : record.pressValue;
        const std::uint64_t timeDifference = pressIsLater ? record.pressTime - record.hoverTime
                                                          : record.hoverTime - record.pressTime;
        const float valueDifference = endValue - startValue;
        if (k > 0)
            text += QLatin1Char('\n');
        text += seriesLabel(k, m_source.m_captions) + QString::fromUtf8(" Δ=") +
                decimals(valueDifference, DecimalsOfValues) + QLatin1String(" / ") +
                QString::number(timeDifference) + QLatin1String(" [ms]");
        if (timeDifference != 0)
            text +=
                QLatin1String(" => V=") +
                decimals(valueDifference / static_cast<double>(timeDifference), DecimalsOfValues) +
                QString::fromUtf8(" Δ/ms");
    }

    GraphSource& m_source;
    QPainter& m_painter;
    const GraphPaintRequest& m_request;
    const int m_width;
    const int m_height;
    const bool m_fillsColumns;
    // Axis, zero line, cursor, detail texts: black on light backgrounds, white on dark ones.
    const QColor m_ink;
    std::uint32_t m_sampleCount = 0;
    std::uint32_t m_maxOnScreen = 0;
    float m_lo = 0.0f;
    float m_hi = 0.0f;
    // The vertical scale, set with the range.
    float m_span = 0.0f;
    float m_plotHeight = 0.0f;
    int m_middle = 0;
    bool m_hasScale = false;
    float m_step = 0.0f;
    int m_hoverIndex = -1;
    int m_pressIndex = -1;
    QString m_hoverText;
    QString m_newestText;
};

void paintGraph(GraphSource& source, QPainter& painter, const GraphPaintRequest& request) {
    ScopedLock lock(source.m_dataLock);
    painter.save();
    GraphPainter(source, painter, request).paint();
    painter.restore();
}

} // namespace JVX
