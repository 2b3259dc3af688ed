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

    SignalLimitationModel* accelerationInputLimitModel() const {
        return child<SignalLimitationModel>("accelerationInputLimitModel");
    }
    SignalLimitationModel* angularRateInputLimitModel() const {
        return child<SignalLimitationModel>("angularRateInputLimitModel");
    }
    SignalLimitationModel* tiltCoordinationInputLimitModel() const {
        return child<SignalLimitationModel>("tiltCoordinationInputLimitModel");
    }
    TravelConfigModel* travelConfigModel() const {
        return child<TravelConfigModel>("travelConfigModel");
    }
    TiltCoordinationModel* tiltCoordinationModel() const {
        return child<TiltCoordinationModel>("tiltCoordinationModel");
    }
    AngularVelocityModel* angularVelocityModel() const {
        return child<AngularVelocityModel>("angularVelocityModel");
    }

private:
    AxisConfig& block() const { return current<AxisConfig>(); }
};
