#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

// The tilt-coordination path of one axis: a sustained acceleration rendered as a tilt angle whose
// rate is limited (stored in rad/s, shown in deg/s).
class TiltCoordinationModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* accelerationFilterModel READ accelerationFilterModel CONSTANT)
    Q_PROPERTY(QObject* maximumRateModel        READ maximumRateModel        CONSTANT)
    Q_PROPERTY(QObject* outputFilterModel       READ outputFilterModel       CONSTANT)
    Q_PROPERTY(QObject* outputLimitationModel   READ outputLimitationModel   CONSTANT)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY _keo_enabledChanged)
    // clang-format on

public:
    TiltCoordinationModel(TiltCoordinationConfig* current, const TiltCoordinationConfig* saved,
                          ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    FilterConfigModel* accelerationFilterModel() const { return m_accelerationFilter; }
    FloatValueModel* maximumRateModel() const { return m_maximumRate; }
    FilterConfigModel* outputFilterModel() const { return m_outputFilter; }
    LimitationModel* outputLimitationModel() const { return m_outputLimit; }

    bool enabled() const { return m_current->enabled; }
    void setEnabled(bool value);

    bool isModified() const override;
    void rebind(TiltCoordinationConfig* current, const TiltCoordinationConfig* saved);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_enabledChanged();

private:
    TiltCoordinationConfig* m_current;
    bool m_savedEnabled;
    FilterConfigModel* const m_accelerationFilter;
    FloatValueModel* const m_maximumRate;
    FilterConfigModel* const m_outputFilter;
    LimitationModel* const m_outputLimit;
};
