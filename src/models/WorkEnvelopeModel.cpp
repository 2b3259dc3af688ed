#include "WorkEnvelopeModel.h"

#include "platform/Units.h"

WorkEnvelopeModel::WorkEnvelopeModel(QObject* parent)
    : QObject(parent) {}

// Envelope values come from the host, not from typing, so they compare exactly.
void WorkEnvelopeModel::assign(float& field, float value) {
    if (field == value) {
        return;
    }
    field = value;
    emit changed();
}

void WorkEnvelopeModel::setEnvelope(const WorkEnvelopeLimits& limits, bool force) {
    if (!force && limits.stamp == m_stamp) {
        return;
    }
    m_stamp = limits.stamp;
    m_roll = degreesPerRadian * limits.roll;
    m_pitch = degreesPerRadian * limits.pitch;
    m_yaw = degreesPerRadian * limits.yaw;
    m_heave = limits.heave;
    m_sway = limits.sway;
    m_surge = limits.surge;
    emit changed();
}
