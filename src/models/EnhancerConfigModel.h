#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "SignalLimitationModel.h"
#include "config/Config.h"

// The enhancer: road harshness fed to heave, sideslip fed to yaw and roll, and the sideslip pivot.
// The sideslip maximum rates (deg/s) and the pivot offset (m) are shown as stored.
class EnhancerConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* roadHarshnessToHeaveInputLimitModel       READ roadHarshnessToHeaveInputLimitModel       CONSTANT)
    Q_PROPERTY(QObject* roadHarshnessToHeaveHighpassFilterModel   READ roadHarshnessToHeaveHighpassFilterModel   CONSTANT)
    Q_PROPERTY(QObject* roadHarshnessToHeaveOutputFilterModel     READ roadHarshnessToHeaveOutputFilterModel     CONSTANT)
    Q_PROPERTY(QObject* roadHarshnessToHeaveOutputLimitationModel READ roadHarshnessToHeaveOutputLimitationModel CONSTANT)
    Q_PROPERTY(QObject* sideslipToYawInputLimitModel              READ sideslipToYawInputLimitModel              CONSTANT)
    Q_PROPERTY(QObject* sideslipToYawMaximumRateModel             READ sideslipToYawMaximumRateModel             CONSTANT)
    Q_PROPERTY(QObject* sideslipToYawHighpassFilterModel          READ sideslipToYawHighpassFilterModel          CONSTANT)
    Q_PROPERTY(QObject* sideslipToYawOutputFilterModel            READ sideslipToYawOutputFilterModel            CONSTANT)
    Q_PROPERTY(QObject* sideslipToYawOutputLimitationModel        READ sideslipToYawOutputLimitationModel        CONSTANT)
    Q_PROPERTY(QObject* sideslipToRollInputLimitModel             READ sideslipToRollInputLimitModel             CONSTANT)
    Q_PROPERTY(QObject* sideslipToRollMaximumRateModel            READ sideslipToRollMaximumRateModel            CONSTANT)
    Q_PROPERTY(QObject* sideslipToRollHighpassFilterModel         READ sideslipToRollHighpassFilterModel         CONSTANT)
    Q_PROPERTY(QObject* sideslipToRollOutputFilterModel           READ sideslipToRollOutputFilterModel           CONSTANT)
    Q_PROPERTY(QObject* sideslipToRollOutputLimitationModel       READ sideslipToRollOutputLimitationModel       CONSTANT)
    Q_PROPERTY(QObject* sideslipPivotPointLongitudinalModel       READ sideslipPivotPointLongitudinalModel       CONSTANT)
    Q_PROPERTY(bool roadHarshnessEnabled  READ roadHarshnessEnabled  WRITE setRoadHarshnessEnabled  NOTIFY _keo_roadHarshnessEnabledChanged)
    Q_PROPERTY(bool sideslipToYawEnabled  READ sideslipToYawEnabled  WRITE setSideslipToYawEnabled  NOTIFY _keo_sideslipToYawEnabledChanged)
    Q_PROPERTY(bool sideslipToRollEnabled READ sideslipToRollEnabled WRITE setSideslipToRollEnabled NOTIFY _keo_sideslipToRollEnabledChanged)
    // clang-format on

public:
    EnhancerConfigModel(EnhancerConfig* current, const EnhancerConfig* saved,
                        ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    SignalLimitationModel* roadHarshnessToHeaveInputLimitModel() const {
        return child<SignalLimitationModel>("roadHarshnessToHeaveInputLimitModel");
    }
    FilterConfigModel* roadHarshnessToHeaveHighpassFilterModel() const {
        return child<FilterConfigModel>("roadHarshnessToHeaveHighpassFilterModel");
    }
    FilterConfigModel* roadHarshnessToHeaveOutputFilterModel() const {
        return child<FilterConfigModel>("roadHarshnessToHeaveOutputFilterModel");
    }
    LimitationModel* roadHarshnessToHeaveOutputLimitationModel() const {
        return child<LimitationModel>("roadHarshnessToHeaveOutputLimitationModel");
    }
    SignalLimitationModel* sideslipToYawInputLimitModel() const {
        return child<SignalLimitationModel>("sideslipToYawInputLimitModel");
    }
    FloatValueModel* sideslipToYawMaximumRateModel() const {
        return child<FloatValueModel>("sideslipToYawMaximumRateModel");
    }
    FilterConfigModel* sideslipToYawHighpassFilterModel() const {
        return child<FilterConfigModel>("sideslipToYawHighpassFilterModel");
    }
    FilterConfigModel* sideslipToYawOutputFilterModel() const {
        return child<FilterConfigModel>("sideslipToYawOutputFilterModel");
    }
    LimitationModel* sideslipToYawOutputLimitationModel() const {
        return child<LimitationModel>("sideslipToYawOutputLimitationModel");
    }
    SignalLimitationModel* sideslipToRollInputLimitModel() const {
        return child<SignalLimitationModel>("sideslipToRollInputLimitModel");
    }
    FloatValueModel* sideslipToRollMaximumRateModel() const {
        return child<FloatValueModel>("sideslipToRollMaximumRateModel");
    }
    FilterConfigModel* sideslipToRollHighpassFilterModel() const {
        return child<FilterConfigModel>("sideslipToRollHighpassFilterModel");
    }
    FilterConfigModel* sideslipToRollOutputFilterModel() const {
        return child<FilterConfigModel>("sideslipToRollOutputFilterModel");
    }
    LimitationModel* sideslipToRollOutputLimitationModel() const {
        return child<LimitationModel>("sideslipToRollOutputLimitationModel");
    }
    FloatValueModel* sideslipPivotPointLongitudinalModel() const {
        return child<FloatValueModel>("sideslipPivotPointLongitudinalModel");
    }

    bool roadHarshnessEnabled() const { return block().roadHarshness.enabled; }
    bool sideslipToYawEnabled() const { return block().sideslipToYaw.enabled; }
    bool sideslipToRollEnabled() const { return block().sideslipToRoll.enabled; }
    void setRoadHarshnessEnabled(bool value);
    void setSideslipToYawEnabled(bool value);
    void setSideslipToRollEnabled(bool value);

signals:
    void _keo_roadHarshnessEnabledChanged();
    void _keo_sideslipToYawEnabledChanged();
    void _keo_sideslipToRollEnabledChanged();

private:
    EnhancerConfig& block() const { return current<EnhancerConfig>(); }
};
