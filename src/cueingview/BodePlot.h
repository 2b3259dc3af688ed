#pragma once

#include <QPointer>
#include <QQuickPaintedItem>

class FrequencyResponseModel;

// One response of the edited configuration as a Bode diagram: gain in dB above, phase in degrees
// below, against the angular frequency on a logarithmic axis over the twelve test frequencies.
// Parameter set 1 solid, set 2 dashed, so the two read apart without colour too. The test
// frequency of 1 rad/s, where the fidelity criteria judge a response, is marked.
class BodePlot : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(FrequencyResponseModel* model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(int response READ response WRITE setResponse NOTIFY responseChanged)
    Q_PROPERTY(qreal scale READ scale WRITE setScale NOTIFY scaleChanged)
    Q_PROPERTY(int paintCount READ paintCount NOTIFY painted)

public:
    explicit BodePlot(QQuickItem* parent = nullptr);

    FrequencyResponseModel* model() const { return m_model; }
    void setModel(FrequencyResponseModel* model);
    int response() const { return m_response; }
    void setResponse(int response);
    qreal scale() const { return m_scale; }
    void setScale(qreal scale);
    // How many times it has painted: tests wait on it to know an edit reached the picture.
    int paintCount() const { return m_paintCount; }

    void paint(QPainter* painter) override;

signals:
    void modelChanged();
    void responseChanged();
    void scaleChanged();
    void painted();

private:
    QPointer<FrequencyResponseModel> m_model;
    int m_response = 0;
    qreal m_scale = 1.0;
    int m_paintCount = 0;
};
