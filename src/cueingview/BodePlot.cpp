#include "BodePlot.h"

#include "BodeAxes.h"
#include "FrequencyResponseModel.h"

#include <QPainter>

BodePlot::BodePlot(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void BodePlot::setModel(FrequencyResponseModel* model) {
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model)
        connect(model, &FrequencyResponseModel::changed, this, [this] { update(); });
    update();
    emit modelChanged();
}

void BodePlot::setResponse(int response) {
    if (m_response == response)
        return;
    m_response = response;
    update();
    emit responseChanged();
}

void BodePlot::setScale(qreal scale) {
    if (qFuzzyCompare(m_scale, scale))
        return;
    m_scale = scale;
    update();
    emit scaleChanged();
}

void BodePlot::paint(QPainter* painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, width(), height());
    painter->fillRect(area, Qt::white);
    if (m_model && m_model->valid()) {
        const BodeCurves curves = bodeCurves(*m_model, m_response);
        drawBode(*painter, area, curves, m_scale);
    }
    ++m_paintCount;
    emit painted();
}
