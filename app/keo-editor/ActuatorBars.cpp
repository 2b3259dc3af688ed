#include "ActuatorBars.h"

#include <QPainter>
#include <algorithm>
#include <rig/Kinematics.h>

namespace {

constexpr int barWidth = 16;
constexpr int barGap = 12;
constexpr int margin = 8;

const QColor stopColor(0xc6, 0x28, 0x28);
const QColor fillColor(0x1e, 0x6f, 0xc4);
const QColor trackColor(0xe4, 0xe7, 0xeb);

} // namespace

ActuatorBars::ActuatorBars(rig::Rig rig, QWidget* parent)
    : QWidget(parent)
    , m_rig(std::move(rig)) {
    setObjectName(QStringLiteral("actuatorBars"));
    m_neutral = positionsOf(rig::actuatorLengths(m_rig, {}));
    m_positions = m_neutral;
    setToolTip(tr("Actuators of %1: each bar spans the travel between the end stops (red); the "
                  "tick marks the neutral length")
                   .arg(QString::fromStdString(m_rig.name)));
}

std::vector<double> ActuatorBars::positionsOf(const std::vector<double>& lengths) const {
    std::vector<double> positions(lengths.size());
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const rig::Actuator& a = m_rig.actuators[i];
        positions[i] = (lengths[i] - a.minLength) / (a.maxLength - a.minLength);
    }
    return positions;
}

void ActuatorBars::showPose(const rig::Pose& pose) {
    rig::actuatorLengths(m_rig, pose, m_lengths);
    m_positions = positionsOf(m_lengths);
    update();
}

bool ActuatorBars::atStop(std::size_t actuator) const {
    return m_positions[actuator] <= 0.0 || m_positions[actuator] >= 1.0;
}

QSize ActuatorBars::sizeHint() const {
    return {minimumSizeHint().width(), 170};
}

QSize ActuatorBars::minimumSizeHint() const {
    const int count = int(m_rig.actuators.size());
    return {std::max(fontMetrics().horizontalAdvance(tr("Actuators")),
                     2 * margin + count * barWidth + (count - 1) * barGap),
            130};
}

void ActuatorBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int labelHeight = fontMetrics().height();
    painter.drawText(QRect(0, 0, width(), labelHeight), Qt::AlignCenter, tr("Actuators"));
    const int top = margin + labelHeight, bottom = height() - margin - labelHeight;
    const double span = std::max(1, bottom - top);
    const auto yOf = [&](double position) {
        return bottom - std::clamp(position, 0.0, 1.0) * span;
    };
    for (std::size_t i = 0; i < m_positions.size(); ++i) {
        const int left = margin + int(i) * (barWidth + barGap);
        const QRectF track(left, top, barWidth, bottom - top);
        painter.fillRect(track, trackColor);
        const double y = yOf(m_positions[i]);
        painter.fillRect(QRectF(left, y, barWidth, bottom - y), atStop(i) ? stopColor : fillColor);
        painter.setPen(QPen(stopColor, 3));
        painter.drawLine(QPointF(left - 2, top), QPointF(left + barWidth + 2, top));
        painter.drawLine(QPointF(left - 2, bottom), QPointF(left + barWidth + 2, bottom));
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        const double neutral = yOf(m_neutral[i]);
        painter.drawLine(QPointF(left - 3, neutral), QPointF(left + barWidth + 3, neutral));
        painter.drawText(QRectF(left - barGap / 2, bottom + 2, barWidth + barGap, labelHeight),
                         Qt::AlignCenter, QString::number(i + 1));
    }
}
