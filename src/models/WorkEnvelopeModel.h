#pragma once

#include "KEOUI64/WorkEnvelopeLimits.h"

#include <QObject>

// The platform's work envelope of the selected cluster, angles in degrees and travels in metres.
// The views show output limits as percentages of it; all zeros means "not known yet".
class WorkEnvelopeModel : public QObject {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(float pitch READ pitch WRITE setPitch NOTIFY changed)
    Q_PROPERTY(float roll  READ roll  WRITE setRoll  NOTIFY changed)
    Q_PROPERTY(float yaw   READ yaw   WRITE setYaw   NOTIFY changed)
    Q_PROPERTY(float surge READ surge WRITE setSurge NOTIFY changed)
    Q_PROPERTY(float sway  READ sway  WRITE setSway  NOTIFY changed)
    Q_PROPERTY(float heave READ heave WRITE setHeave NOTIFY changed)
    // clang-format on

public:
    explicit WorkEnvelopeModel(QObject* parent = nullptr);

    float pitch() const { return m_pitch; }
    float roll() const { return m_roll; }
    float yaw() const { return m_yaw; }
    float surge() const { return m_surge; }
    float sway() const { return m_sway; }
    float heave() const { return m_heave; }

    void setPitch(float value) { assign(m_pitch, value); }
    void setRoll(float value) { assign(m_roll, value); }
    void setYaw(float value) { assign(m_yaw, value); }
    void setSurge(float value) { assign(m_surge, value); }
    void setSway(float value) { assign(m_sway, value); }
    void setHeave(float value) { assign(m_heave, value); }

    // Takes the host's record unless its stamp shows nothing new; force takes it regardless (a
    // cluster switch must show the other cluster's envelope even when the stamps agree).
    void setEnvelope(const WorkEnvelopeLimits& limits, bool force);

signals:
    void changed();

private:
    void assign(float& field, float value);

    float m_pitch = 0.0f;
    float m_roll = 0.0f;
    float m_yaw = 0.0f;
    float m_surge = 0.0f;
    float m_sway = 0.0f;
    float m_heave = 0.0f;
    std::uint32_t m_stamp = 0;
};
