#pragma once

#include "AngularVelocityModel.h"
#include "BaseModel.h"
#include "SignalLimitationModel.h"
#include "TiltCoordinationModel.h"
#include "TravelConfigModel.h"
#include "config/Config.h"

// One axis channel: its three input limitations and its travel, tilt-coordination and
// angular-velocity paths. It has no values of its own.
class AxisConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* accelerationInputLimitModel     READ accelerationInputLimitModel     CONSTANT)
    Q_PROPERTY(QObject* angularRateInputLimitModel      READ angularRateInputLimitModel      CONSTANT)
    Q_PROPERTY(QObject* tiltCoordinationInputLimitModel READ tiltCoordinationInputLimitModel CONSTANT)
    Q_PROPERTY(QObject* travelConfigModel               READ travelConfigModel               CONSTANT)
    Q_PROPERTY(QObject* tiltCoordinationModel           READ tiltCoordinationModel           CONSTANT)
    Q_PROPERTY(QObject* angularVelocityModel            READ angularVelocityModel            CONSTANT)
    // clang-format on

public:
    AxisConfigModel(AxisConfig* current, const AxisConfig* saved, ParamSetModel* paramSetModel,
                    BaseModel* parent = nullptr);

    SignalLimitationModel* accelerationInputLimitModel() const { return m_accelerationInputLimit; }
    SignalLimitationModel* angularRateInputLimitModel() const { return m_angularRateInputLimit; }
    SignalLimitationModel* tiltCoordinationInputLimitModel() const {
        return m_tiltCoordinationInputLimit;
    }
    TravelConfigModel* travelConfigModel() const { return m_travel; }
    TiltCoordinationModel* tiltCoordinationModel() const { return m_tiltCoordination; }
    AngularVelocityModel* angularVelocityModel() const { return m_angularVelocity; }

    void rebind(AxisConfig* current, const AxisConfig* saved);

private:
    SignalLimitationModel* const m_accelerationInputLimit;
    SignalLimitationModel* const m_angularRateInputLimit;
    SignalLimitationModel* const m_tiltCoordinationInputLimit;
    TravelConfigModel* const m_travel;
    TiltCoordinationModel* const m_tiltCoordination;
    AngularVelocityModel* const m_angularVelocity;
};
