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

    FilterConfigModel* accelerationFilterModel() const {
        return child<FilterConfigModel>("accelerationFilterModel");
    }
    FloatValueModel* maximumRateModel() const { return child<FloatValueModel>("maximumRateModel"); }
    FilterConfigModel* outputFilterModel() const {
        return child<FilterConfigModel>("outputFilterModel");
    }
    LimitationModel* outputLimitationModel() const {
        return child<LimitationModel>("outputLimitationModel");
    }

    bool enabled() const { return block().enabled; }
    void setEnabled(bool value);

signals:
    void _keo_enabledChanged();

private:
    TiltCoordinationConfig& block() const { return current<TiltCoordinationConfig>(); }
};
