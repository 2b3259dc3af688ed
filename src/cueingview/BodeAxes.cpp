#include "BodeAxes.h"

#include "FrequencyResponseModel.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// A gain of zero (a path switched off) shows at the bottom of the axis rather than at -inf.
constexpr double floorDb = -60.0;
constexpr double lowestFrequency = 0.08, highestFrequency = 20.0; // rad/s, around the tests
const QColor setColours[2] = {QColor("#189FDB"), QColor("#D9641E")};
const QColor gridColour("#E3E6EA"), axisTextColour("slategray"), markColour("#7A8A99");

double toDb(double gain) {
    return gain > 0.0 ? std::max(floorDb, 20.0 * std::log10(gain)) : floorDb;
}

// The smallest range of multiples of `step` that holds every value, at least `minimumSpan` wide.
void fitRange(const std::array<BodeCurves::Values, 2>& values, double step, double minimumSpan,
              double& low, double& high) {
    double least = values[0][0], most = least;
    for (const auto& set : values)
        for (double v : set) {
            least = std::min(least, v);
            most = std::max(most, v);
        }
    low = std::floor(least / step) * step;
    high = std::ceil(most / step) * step;
    while (high - low < minimumSpan) {
        low -= step;
        high += step;
    }
}

double frequencyX(const QRectF& plot, double omega) {
    const double span = std::log10(highestFrequency / lowestFrequency);
    return plot.left() + plot.width() * std::log10(omega / lowestFrequency) / span;
}

double valueY(const QRectF& plot, double value, double low, double high) {
    return plot.bottom() - plot.height() * (value - low) / (high - low);
}

struct Axis {
    QString title;
    double low, high, step;
};

void drawGrid(QPainter& p, const QRectF& plot, const Axis& axis, double scale, bool frequencyText) {
    p.setPen(QPen(gridColour, 1.0 * scale));
    QFont font = p.font();
    font.setPixelSize(int(std::lround(11 * scale)));
    p.setFont(font);
    for (double decade : {0.1, 1.0, 10.0})
        for (int m = 1; m <= 9; ++m) {
            const double omega = decade * m;
            if (omega < lowestFrequency || omega > highestFrequency)
                continue;
            const double x = frequencyX(plot, omega);
            p.setPen(QPen(gridColour, (m == 1 ? 1.4 : 0.8) * scale));
            p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            if (m == 1 && frequencyText) {
                p.setPen(axisTextColour);
                p.drawText(
                    QRectF(x - 30 * scale, plot.bottom() + 2 * scale, 60 * scale, 16 * scale),
                    Qt::AlignHCenter | Qt::AlignTop, QString::number(omega));
            }
        }
    for (double v = axis.low; v <= axis.high + 1e-9; v += axis.step) {
        const double y = valueY(plot, v, axis.low, axis.high);
        p.setPen(QPen(gridColour, 0.8 * scale));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(axisTextColour);
        p.drawText(QRectF(plot.left() - 46 * scale, y - 8 * scale, 42 * scale, 16 * scale),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    p.setPen(QPen(markColour, 1.0 * scale));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    font.setBold(true);
    p.setFont(font);
    p.setPen(axisTextColour);
    p.drawText(QRectF(plot.left() + 6 * scale, plot.top() + 2 * scale, plot.width(), 16 * scale),
               Qt::AlignLeft | Qt::AlignTop, axis.title);
}

// The fidelity criteria judge each direct response at 1 rad/s.
void drawOneRadianMark(QPainter& p, const QRectF& plot, double scale) {
    const double x = frequencyX(plot, 1.0);
    p.setPen(QPen(markColour, 1.2 * scale, Qt::DotLine));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

void drawCurve(QPainter& p, const QRectF& plot, const BodeCurves::Values& values, double low,
               double high, int set, double scale) {
    QPainterPath path;
    for (int k = 0; k < cueing::testFrequencyCount; ++k) {
        const QPointF point(frequencyX(plot, cueing::testFrequency(k)),
                            valueY(plot, std::clamp(values[k], low, high), low, high));
        k == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    QPen pen(setColours[set], 2.2 * scale, set == 0 ? Qt::SolidLine : Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(setColours[set]);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < path.elementCount(); ++k)
        p.drawEllipse(QPointF(path.elementAt(k)), 3.0 * scale, 3.0 * scale);
}

void drawLegend(QPainter& p, const QRectF& plot, double scale) {
    const char* names[2] = {"Set #1", "Set #2"};
    double x = plot.right() - 150 * scale;
    // On a backing of the plot's own colour, so that a curve passing under it does not cross the
    // names.
    p.fillRect(QRectF(x - 4 * scale, plot.top() + 1 * scale, 150 * scale, 18 * scale),
               QColor(255, 255, 255, 225));
    for (int set = 0; set < 2; ++set, x += 75 * scale) {
        const double y = plot.top() + 10 * scale;
        p.setPen(QPen(setColours[set], 2.2 * scale, set == 0 ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(QPointF(x, y), QPointF(x + 22 * scale, y));
        p.setPen(axisTextColour);
        p.drawText(QRectF(x + 26 * scale, y - 8 * scale, 50 * scale, 16 * scale),
                   Qt::AlignLeft | Qt::AlignVCenter, QObject::tr(names[set]));
    }
}

} // namespace

BodeCurves bodeCurves(const FrequencyResponseModel& model, int response) {
    BodeCurves curves;
    for (int set = 0; set < 2; ++set)
        for (int k = 0; k < cueing::testFrequencyCount; ++k) {
            curves.gainDb[set][k] = toDb(model.gain(set, response, k));
            curves.phase[set][k] = model.phaseDegrees(set, response, k);
        }
    fitRange(curves.gainDb, 10.0, 20.0, curves.gainLow, curves.gainHigh);
    fitRange(curves.phase, 45.0, 90.0, curves.phaseLow, curves.phaseHigh);
    curves.unit = model.gainUnit(response);
    return curves;
}

void drawBode(QPainter& p, const QRectF& area, const BodeCurves& curves, double scale) {
    const double left = 52 * scale, right = 10 * scale, gap = 26 * scale;
    const double plotHeight = (area.height() - 8 * scale - gap - 20 * scale) / 2.0;
    const QRectF gainPlot(area.left() + left, area.top() + 8 * scale, area.width() - left - right,
                          plotHeight);
    const QRectF phasePlot(gainPlot.left(), gainPlot.bottom() + gap, gainPlot.width(), plotHeight);
    const double gainStep = curves.gainHigh - curves.gainLow > 60 ? 20.0 : 10.0;
    const double phaseStep = curves.phaseHigh - curves.phaseLow > 360 ? 90.0 : 45.0;
    const QString unit = curves.unit == "1" ? QString() : QStringLiteral(" (") + curves.unit + ")";
    drawGrid(p, gainPlot,
             {QObject::tr("Gain, dB") + unit, curves.gainLow, curves.gainHigh, gainStep}, scale,
             false);
    drawGrid(p, phasePlot, {QObject::tr("Phase, °"), curves.phaseLow, curves.phaseHigh, phaseStep},
             scale, true);
    for (const QRectF& plot : {gainPlot, phasePlot})
        drawOneRadianMark(p, plot, scale);
    for (int set = 1; set >= 0; --set) {
        drawCurve(p, gainPlot, curves.gainDb[set], curves.gainLow, curves.gainHigh, set, scale);
        drawCurve(p, phasePlot, curves.phase[set], curves.phaseLow, curves.phaseHigh, set, scale);
    }
    drawLegend(p, gainPlot, scale);
    p.setPen(axisTextColour);
    p.drawText(
        QRectF(phasePlot.left(), phasePlot.bottom() + 2 * scale, phasePlot.width(), 16 * scale),
        Qt::AlignRight | Qt::AlignTop, QObject::tr("ω, rad/s"));
}
