#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "SignalLimitationModel.h"
#include "config/Config.h"

#include <array>

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

    SignalLimitationModel* roadHarshnessToHeaveInputLimitModel() const { return m_rhInputLimit; }
    FilterConfigModel* roadHarshnessToHeaveHighpassFilterModel() const { return m_rhHighpass; }
    FilterConfigModel* roadHarshnessToHeaveOutputFilterModel() const { return m_rhOutputFilter; }
    LimitationModel* roadHarshnessToHeaveOutputLimitationModel() const { return m_rhOutputLimit; }
    SignalLimitationModel* sideslipToYawInputLimitModel() const { return m_yawInputLimit; }
    FloatValueModel* sideslipToYawMaximumRateModel() const { return m_yawMaximumRate; }
    FilterConfigModel* sideslipToYawHighpassFilterModel() const { return m_yawHighpass; }
    FilterConfigModel* sideslipToYawOutputFilterModel() const { return m_yawOutputFilter; }
    LimitationModel* sideslipToYawOutputLimitationModel() const { return m_yawOutputLimit; }
    SignalLimitationModel* sideslipToRollInputLimitModel() const { return m_rollInputLimit; }
    FloatValueModel* sideslipToRollMaximumRateModel() const { return m_rollMaximumRate; }
    FilterConfigModel* sideslipToRollHighpassFilterModel() const { return m_rollHighpass; }
    FilterConfigModel* sideslipToRollOutputFilterModel() const { return m_rollOutputFilter; }
    LimitationModel* sideslipToRollOutputLimitationModel() const { return m_rollOutputLimit; }
    FloatValueModel* sideslipPivotPointLongitudinalModel() const { return m_pivotOffset; }

    bool roadHarshnessEnabled() const { return m_current->roadHarshness.enabled; }
    bool sideslipToYawEnabled() const { return m_current->sideslipToYaw.enabled; }
    bool sideslipToRollEnabled() const { return m_current->sideslipToRoll.enabled; }
    void setRoadHarshnessEnabled(bool value);
    void setSideslipToYawEnabled(bool value);
    void setSideslipToRollEnabled(bool value);

    bool isModified() const override;
    void rebind(EnhancerConfig* current, const EnhancerConfig* saved);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_roadHarshnessEnabledChanged();
    void _keo_sideslipToYawEnabledChanged();
    void _keo_sideslipToRollEnabledChanged();

private:
    // In record order: sideslip to yaw, sideslip to roll, road harshness.
    using Switches = std::array<bool, 3>;
    static Switches switchesOf(const EnhancerConfig& section);

    EnhancerConfig* m_current;
    Switches m_savedSwitches;
    SignalLimitationModel* const m_rhInputLimit;
    FilterConfigModel* const m_rhHighpass;
    FilterConfigModel* const m_rhOutputFilter;
    LimitationModel* const m_rhOutputLimit;
    SignalLimitationModel* const m_yawInputLimit;
    FloatValueModel* const m_yawMaximumRate;
    FilterConfigModel* const m_yawHighpass;
    FilterConfigModel* const m_yawOutputFilter;
    LimitationModel* const m_yawOutputLimit;
    SignalLimitationModel* const m_rollInputLimit;
    FloatValueModel* const m_rollMaximumRate;
    FilterConfigModel* const m_rollHighpass;
    FilterConfigModel* const m_rollOutputFilter;
    LimitationModel* const m_rollOutputLimit;
    FloatValueModel* const m_pivotOffset;
};
