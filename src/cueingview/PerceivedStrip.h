#pragma once

#include <QPointer>
#include <QQuickPaintedItem>

class LiveScores;

// One channel's perceived signals, vehicle and platform, over the last seconds of the live
// records as a strip chart (see drawPerceivedStrip), repainted whenever the scores bring new
// moments.
class PerceivedStrip : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(LiveScores* scores READ scores WRITE setScores NOTIFY scoresChanged)
    Q_PROPERTY(int channel READ channel WRITE setChannel NOTIFY channelChanged)
    Q_PROPERTY(qreal seconds READ seconds WRITE setSeconds NOTIFY secondsChanged)
    Q_PROPERTY(qreal scale READ scale WRITE setScale NOTIFY scaleChanged)
    // How many moments the last paint drew: tests wait on it.
    Q_PROPERTY(int samplesShown READ samplesShown NOTIFY painted)

public:
    explicit PerceivedStrip(QQuickItem* parent = nullptr);

    LiveScores* scores() const { return m_scores; }
    void setScores(LiveScores* scores);
    int channel() const { return m_channel; }
    void setChannel(int channel);
    qreal seconds() const { return m_seconds; }
    void setSeconds(qreal seconds);
    qreal scale() const { return m_scale; }
    void setScale(qreal scale);
    int samplesShown() const { return m_samplesShown; }

    void paint(QPainter* painter) override;

signals:
    void scoresChanged();
    void channelChanged();
    void secondsChanged();
    void scaleChanged();
    void painted();

private:
    QPointer<LiveScores> m_scores;
    int m_channel = 0;
    qreal m_seconds = 20.0;
    qreal m_scale = 1.0;
    int m_samplesShown = 0;
};
