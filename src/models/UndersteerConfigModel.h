#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

#include <array>

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

    FilterConfigModel* intendedTurningCurveFilterModel() const { return m_intendedFilter; }
    FilterConfigModel* actualTurningCurveFilterModel() const { return m_actualFilter; }
    FilterConfigModel* yawRateFilterModel() const { return m_yawRateFilter; }
    FloatValueModel* deltaTurningCurveMaximumRateModel() const { return m_deltaMaximumRate; }
    FilterConfigModel* toYawOutputFilterModel() const { return m_toYawFilter; }
    LimitationModel* toYawOutputLimitationModel() const { return m_toYawLimit; }
    FilterConfigModel* toRollOutputFilterModel() const { return m_toRollFilter; }
    LimitationModel* toRollOutputLimitationModel() const { return m_toRollLimit; }
    FloatValueModel* pivotPointLongitudinalModel() const { return m_pivotOffset; }

    bool toYawEnabled() const { return m_current->toYaw.enabled; }
    bool toRollEnabled() const { return m_current->toRoll.enabled; }
    void setToYawEnabled(bool value);
    void setToRollEnabled(bool value);

    bool isModified() const override;
    void rebind(UndersteerConfig* current, const UndersteerConfig* saved);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_toYawEnabledChanged();
    void _keo_toRollEnabledChanged();

private:
    using Switches = std::array<bool, 2>;
    static Switches switchesOf(const UndersteerConfig& section);

    UndersteerConfig* m_current;
    Switches m_savedSwitches;
    FilterConfigModel* const m_intendedFilter;
    FilterConfigModel* const m_actualFilter;
    FilterConfigModel* const m_yawRateFilter;
    FloatValueModel* const m_deltaMaximumRate;
    FilterConfigModel* const m_toYawFilter;
    LimitationModel* const m_toYawLimit;
    FilterConfigModel* const m_toRollFilter;
    LimitationModel* const m_toRollLimit;
    FloatValueModel* const m_pivotOffset;
};
