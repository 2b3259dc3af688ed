#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

// The understeer section: turning-curve filters, the rate limit of their difference, the outputs
// to yaw and roll and the pivot point. The rate limit (deg/s) and the pivot offset (m) are shown
// as stored.
class UndersteerConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* intendedTurningCurveFilterModel   READ intendedTurningCurveFilterModel   CONSTANT)
    Q_PROPERTY(QObject* actualTurningCurveFilterModel     READ actualTurningCurveFilterModel     CONSTANT)
    Q_PROPERTY(QObject* yawRateFilterModel                READ yawRateFilterModel                CONSTANT)
    Q_PROPERTY(QObject* deltaTurningCurveMaximumRateModel READ deltaTurningCurveMaximumRateModel CONSTANT)
    Q_PROPERTY(QObject* toYawOutputFilterModel            READ toYawOutputFilterModel            CONSTANT)
    Q_PROPERTY(QObject* toYawOutputLimitationModel        READ toYawOutputLimitationModel        CONSTANT)
    Q_PROPERTY(QObject* toRollOutputFilterModel           READ toRollOutputFilterModel           CONSTANT)
    Q_PROPERTY(QObject* toRollOutputLimitationModel       READ toRollOutputLimitationModel       CONSTANT)
    Q_PROPERTY(QObject* pivotPointLongitudinalModel       READ pivotPointLongitudinalModel       CONSTANT)
    Q_PROPERTY(bool toYawEnabled  READ toYawEnabled  WRITE setToYawEnabled  NOTIFY _keo_toYawEnabledChanged)
    Q_PROPERTY(bool toRollEnabled READ toRollEnabled WRITE setToRollEnabled NOTIFY _keo_toRollEnabledChanged)
    // clang-format on

public:
    UndersteerConfigModel(UndersteerConfig* current, const UndersteerConfig* saved,
                          ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    FilterConfigModel* intendedTurningCurveFilterModel() const {
        return child<FilterConfigModel>("intendedTurningCurveFilterModel");
    }
    FilterConfigModel* actualTurningCurveFilterModel() const {
        return child<FilterConfigModel>("actualTurningCurveFilterModel");
    }
    FilterConfigModel* yawRateFilterModel() const {
        return child<FilterConfigModel>("yawRateFilterModel");
    }
    FloatValueModel* deltaTurningCurveMaximumRateModel() const {
        return child<FloatValueModel>("deltaTurningCurveMaximumRateModel");
    }
    FilterConfigModel* toYawOutputFilterModel() const {
        return child<FilterConfigModel>("toYawOutputFilterModel");
    }
    LimitationModel* toYawOutputLimitationModel() const {
        return child<LimitationModel>("toYawOutputLimitationModel");
    }
    FilterConfigModel* toRollOutputFilterModel() const {
        return child<FilterConfigModel>("toRollOutputFilterModel");
    }
    LimitationModel* toRollOutputLimitationModel() const {
        return child<LimitationModel>("toRollOutputLimitationModel");
    }
    FloatValueModel* pivotPointLongitudinalModel() const {
        return child<FloatValueModel>("pivotPointLongitudinalModel");
    }

    bool toYawEnabled() const { return block().toYaw.enabled; }
    bool toRollEnabled() const { return block().toRoll.enabled; }
    void setToYawEnabled(bool value);
    void setToRollEnabled(bool value);

signals:
    void _keo_toYawEnabledChanged();
    void _keo_toRollEnabledChanged();

private:
    UndersteerConfig& block() const { return current<UndersteerConfig>(); }
};
