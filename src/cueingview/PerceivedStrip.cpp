#include "PerceivedStrip.h"

#include "LiveScores.h"
#include "PerceivedStripDrawing.h"
#include "cueing/Vestibular.h"

#include <QPainter>
#include <algorithm>

PerceivedStrip::PerceivedStrip(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void PerceivedStrip::setScores(LiveScores* scores) {
    if (m_scores == scores)
        return;
    if (m_scores)
        disconnect(m_scores, nullptr, this, nullptr);
    m_scores = scores;
    if (scores)
        connect(scores, &LiveScores::changed, this, [this] { update(); });
    update();
    emit scoresChanged();
}

void PerceivedStrip::setChannel(int channel) {
    channel = std::clamp(channel, 0, cueing::channelCount - 1);
    if (m_channel == channel)
        return;
    m_channel = channel;
    update();
    emit channelChanged();
}

void PerceivedStrip::setSeconds(qreal seconds) {
    if (qFuzzyCompare(m_seconds, seconds) || seconds <= 0.0)
        return;
    m_seconds = seconds;
    update();
    emit secondsChanged();
}

void PerceivedStrip::setScale(qreal scale) {
    if (qFuzzyCompare(m_scale, scale))
        return;
    m_scale = scale;
    update();
    emit scaleChanged();
}

void PerceivedStrip::paint(QPainter* painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, width(), height());
    static const PerceivedHistory none(1);
    const PerceivedHistory& history = m_scores ? m_scores->history() : none;
    m_samplesShown = drawPerceivedStrip(*painter, area, history, m_channel, m_seconds, m_scale);
    emit painted();
}
