#include "PerceivedStripDrawing.h"

#include "PerceivedHistory.h"
#include "cueing/Vestibular.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

const QColor vehicleColour("#3D4550"), platformColour("#189FDB");
const QColor bandColour("#E9EDF1"), gridColour("#E3E6EA"), textColour("slategray");
constexpr double gridSeconds = 5.0;
constexpr double radiansToDegrees = 180.0 / 3.14159265358979323846;

// The view shows forces in m/s² and rates in °/s.
double shown(int channel, double value) {
    return cueing::isForce(channel) ? value : value * radiansToDegrees;
}

// The smallest of 1, 2 and 5 times a power of ten that is at least `value`.
double niceCeiling(double value) {
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= value * (1.0 - 1e-9))
            return m * decade;
    return 10.0 * decade;
}

struct Window {
    int first = 0;      // the oldest sample shown
    double newest = 0;  // seconds of the newest
    double range = 1.0; // the vertical axis spans ±range
};

Window windowOf(const PerceivedHistory& history, int channel, double seconds) {
    Window w;
    const double threshold = shown(channel, cueing::thresholds[std::size_t(channel)]);
    double largest = 1.5 * threshold; // the band always shows, with room above it
    if (!history.empty()) {
        w.newest = history.newest().seconds;
        w.first = history.size() - 1;
        while (w.first > 0 && history.at(w.first - 1).seconds >= w.newest - seconds)
            --w.first;
        for (int i = w.first; i < history.size(); ++i) {
            const PerceivedSample& s = history.at(i);
            largest = std::max({largest, std::abs(shown(channel, s.vehicle[channel])),
                                std::abs(shown(channel, s.platform[channel]))});
        }
    }
    w.range = niceCeiling(largest);
    return w;
}

QString unitOf(int channel) {
    return cueing::isForce(channel) ? QStringLiteral("m/s²") : QStringLiteral("°/s");
}

} // namespace

int drawPerceivedStrip(QPainter& p, const QRectF& area, const PerceivedHistory& history,
                       int channel, double seconds, double scale) {
    const Window w = windowOf(history, channel, seconds);
    const QRectF plot = area.adjusted(0.5 * scale, 0.5 * scale, -0.5 * scale, -0.5 * scale);
    const auto x = [&](double t) {
        return plot.right() - plot.width() * (w.newest - t) / seconds;
    };
    const auto y = [&](double v) {
        return plot.center().y() - plot.height() / 2 * v / w.range;
    };

    p.fillRect(area, Qt::white);
    const double threshold = shown(channel, cueing::thresholds[std::size_t(channel)]);
    p.fillRect(QRectF(QPointF(plot.left(), y(threshold)), QPointF(plot.right(), y(-threshold))),
               bandColour);
    p.setPen(QPen(gridColour, 1.0 * scale));
    for (double t = 0.0; t <= seconds; t += gridSeconds)
        p.drawLine(QPointF(x(w.newest - t), plot.top()), QPointF(x(w.newest - t), plot.bottom()));
    p.drawLine(QPointF(plot.left(), y(0.0)), QPointF(plot.right(), y(0.0)));

    const int count = history.size() - w.first;
    QPolygonF vehicle(history.empty() ? 0 : count), platform(history.empty() ? 0 : count);
    for (int i = 0; i < vehicle.size(); ++i) {
        const PerceivedSample& s = history.at(w.first + i);
        vehicle[i] = QPointF(x(s.seconds), y(shown(channel, s.vehicle[channel])));
        platform[i] = QPointF(x(s.seconds), y(shown(channel, s.platform[channel])));
    }
    p.setClipRect(plot);
    p.setPen(QPen(vehicleColour, 1.5 * scale));
    p.drawPolyline(vehicle);
    p.setPen(QPen(platformColour, 1.8 * scale));
    p.drawPolyline(platform);
    p.setClipping(false);

    QFont font = p.font();
    font.setPixelSize(int(std::lround(10 * scale)));
    p.setFont(font);
    p.setPen(textColour);
    // On a veil, so a curve beneath does not hide it.
    const QString label = QStringLiteral("±%1 %2").arg(w.range).arg(unitOf(channel));
    QRectF labelArea = p.fontMetrics().boundingRect(label);
    labelArea.moveTopLeft(plot.topLeft() + QPointF(2 * scale, 1 * scale));
    labelArea.adjust(-1 * scale, 0, 2 * scale, 0);
    p.fillRect(labelArea, QColor(255, 255, 255, 200));
    p.drawText(labelArea, Qt::AlignCenter, label);
    p.setPen(QPen(gridColour, 1.0 * scale));
    p.drawRect(plot);
    return vehicle.size();
}
