#include "GraphDrawing.h"

#include "FrequencyAnalysis.h"
#include "GraphSource.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <algorithm>
#include <cmath>

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

QString decimals(double value, int count) {
    return QString::number(value, 'f', count);
}

QString translated(const char* text) {
    return QCoreApplication::translate(GraphTextContext, text);
}

} // namespace

QColor seriesColor(int index) {
    static const QColor colors[] = {
        QColor(Qt::blue),         QColor(Qt::darkGreen),    QColor(0xdd, 0xdd, 0xdd),
        QColor(0xff, 0x8c, 0x00), QColor(0xe8, 0x11, 0x23), QColor(0xec, 0x00, 0x8c),
        QColor(0x68, 0x21, 0x7a), QColor(0x00, 0xbc, 0xf2), QColor(0x00, 0xb2, 0x94),
        QColor(0xba, 0xd8, 0x0a),
    };
    if (index < 0 || index >= static_cast<int>(std::size(colors)))
        return QColor(Qt::black);
    return colors[index];
}

const char* seriesColorName(int index) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Blue"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Green"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "White"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Orange"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Red"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Magenta"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Purple"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Cyan"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Teal"),
        QT_TRANSLATE_NOOP("JVX::GraphWidget", "Lime"),
    };
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return QT_TRANSLATE_NOOP("JVX::GraphWidget", "Black");
    return names[index];
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
        , m_height(request.height) {}

    void paint() {
        m_source.m_measurements.resize(m_source.m_channels.size());
        m_sampleCount = m_source.m_channels.empty() ? 0 : m_source.m_channels.front().ring.count();
        m_maxOnScreen = m_source.m_maxOnScreen;
        if (m_sampleCount < 1 || m_maxOnScreen < 1) {
            drawEmptyLine();
        } else {
            computeRange();
            computeStep();
            if (m_source.drawReferenceLines())
                drawReferenceLines();
            for (std::size_t k = 0; k < m_source.m_channels.size(); ++k) {
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
        const float range = m_hi - m_lo;
        const float height = static_cast<float>(m_height - 4);
        if (!(range != 0.0f) || !std::isfinite(range) || std::isnan(value))
            return toPixel(height * 0.5f);
        const float fraction = (1.0f - (value - m_lo) / range) * height;
        return std::isnan(fraction) ? toPixel(height * 0.5f) : toPixel(fraction);
    }

    int x(std::uint32_t i) const { return toPixel(static_cast<float>(i) * m_step + Margin); }

    void setFontPixels(int base) {
        QFont font = m_painter.font();
        font.setPixelSize(std::max(1, toPixel(base * m_source.m_scaleFactor)));
        m_painter.setFont(font);
    }

    void setOpaqueText(const QBrush& background) {
        m_painter.setPen(QPen(Qt::black));
        m_painter.setBackgroundMode(Qt::OpaqueMode);
        m_painter.setBackground(background);
    }

    void drawEmptyLine() {
        m_painter.setPen(QPen(Qt::black));
        m_painter.drawLine(Margin, m_height / 2, m_width - Margin, m_height / 2);
    }

    // Non-finite values take no part in the range, so one bad sample cannot spoil the scale.
    void computeRange() {
        bool found = false;
        for (const Channel& channel : m_source.m_channels) {
            if (!channel.visible)
                continue;
            for (std::uint32_t i = 0; i < m_sampleCount; ++i) {
                const float value = channel.displayed(channel.ring.at(i));
                if (!std::isfinite(value))
                    continue;
                m_lo = found ? std::min(m_lo, value) : value;
                m_hi = found ? std::max(m_hi, value) : value;
                found = true;
            }
        }
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
    }

    void computeStep() {
        m_step = static_cast<float>(m_width - 10) / static_cast<float>(m_maxOnScreen);
        if (m_step == 0.0f)
            return;
        m_hoverIndex = toPixel((m_request.hoverPoint.x() - Margin) / m_step);
        m_pressIndex = toPixel((m_request.pressPoint.x() - Margin) / m_step);
    }

    void drawReferenceLines() {
        const float middle = (m_hi + m_lo) * 0.5f;
        const float distance = (m_hi - m_lo) * 0.3535f;
        m_painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
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
        lines.clear();
        if (m_request.reduceToPixelColumns)
            addColumnSegments(channel, lines);
        else
            addAllSegments(channel, lines);
        m_painter.setPen(QPen(seriesColor(k), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
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

    void addAllSegments(const Channel& channel, QVector<QLine>& lines) const {
        QPoint from(x(0), y(channel.displayed(channel.ring.at(0))) + 2);
        for (std::uint32_t i = 1; i < m_sampleCount; ++i) {
            const QPoint to(x(i), y(channel.displayed(channel.ring.at(i))) + 2);
            const QLine segment(from, to);
            if (lines.isEmpty() || lines.constLast() != segment)
                lines.append(segment);
            from = to;
        }
    }

    // The segments between samples that fall into one pixel column are vertical and join up, so
    // together they cover exactly the column's minimum to maximum: one line per column and one
    // from each column to the next draw the same pixels as every segment.
    void addColumnSegments(const Channel& channel, QVector<QLine>& lines) const {
        int column = x(0);
        int last = y(channel.displayed(channel.ring.at(0))) + 2;
        int low = last;
        int high = last;
        for (std::uint32_t i = 1; i < m_sampleCount; ++i) {
            const int px = x(i);
            const int py = y(channel.displayed(channel.ring.at(i))) + 2;
            if (px == column) {
                low = std::min(low, py);
                high = std::max(high, py);
                last = py;
                continue;
            }
            if (low != high)
                lines.append(QLine(column, low, column, high));
            lines.append(QLine(column, last, px, py));
            column = px;
            last = low = high = py;
        }
        if (low != high)
            lines.append(QLine(column, low, column, high));
    }

    void drawZeroLine() {
        m_painter.setPen(QPen(Qt::black));
        m_painter.drawLine(Margin, y(0.0f) + 2, m_width - Margin, y(0.0f) + 2);
    }

    void drawDetails() {
        m_painter.setPen(QPen(Qt::black));
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
        m_painter.setPen(QPen(Qt::black, 4));
        setFontPixels(BarFontPixels);
        const float pitch = 2.0f * static_cast<float>(m_width - 15) * 0.015625f;
        const float reference = std::fabs(spectrum.coefficients[0]) * 4.0f;
        const float base = static_cast<float>(m_height - 25);
        for (int i = 0; i < SpectrumBars; ++i) {
            const float bx = static_cast<float>(i) * pitch + 15.0f;
            // A zero-mean signal has no constant part to compare with: its bars stay flat.
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
        m_painter.setPen(QPen(Qt::black));
        m_painter.setBackground(QBrush(Qt::transparent));
        setFontPixels(TextFontPixels);
        if (m_request.pressed)
            drawMeasurement();
        else
            drawHoverCursor();
    }

    void drawHoverCursor() {
        const QPoint hover = m_request.hoverPoint;
        m_painter.drawLine(hover.x(), 0, hover.x(), m_height - 1);
        m_painter.setPen(QPen(Qt::white));
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
        m_painter.setBackground(QBrush(Qt::white));
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
    std::uint32_t m_sampleCount = 0;
    std::uint32_t m_maxOnScreen = 0;
    float m_lo = 0.0f;
    float m_hi = 0.0f;
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
