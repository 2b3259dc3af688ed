#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

// The rotational path of one axis: the angular rate integrated to an angle.
class AngularVelocityModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* velocityFilterModel        READ velocityFilterModel        CONSTANT)
    Q_PROPERTY(QObject* angleFilterModel           READ angleFilterModel           CONSTANT)
    Q_PROPERTY(QObject* outputAngleFilterModel     READ outputAngleFilterModel     CONSTANT)
    Q_PROPERTY(QObject* outputAngleLimitationModel READ outputAngleLimitationModel CONSTANT)
    Q_PROPERTY(bool enabled           READ enabled           WRITE setEnabled           NOTIFY _keo_enabledChanged)
    Q_PROPERTY(bool bypassIntegration READ bypassIntegration WRITE setBypassIntegration NOTIFY _keo_bypassIntegrationChanged)
    // clang-format on

public:
    AngularVelocityModel(AngularVelocityConfig* current, const AngularVelocityConfig* saved,
                         ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    FilterConfigModel* velocityFilterModel() const {
        return child<FilterConfigModel>("velocityFilterModel");
    }
    FilterConfigModel* angleFilterModel() const {
        return child<FilterConfigModel>("angleFilterModel");
    }
    FilterConfigModel* outputAngleFilterModel() const {
        return child<FilterConfigModel>("outputAngleFilterModel");
    }
    LimitationModel* outputAngleLimitationModel() const {
        return child<LimitationModel>("outputAngleLimitationModel");
    }

    bool enabled() const { return block().enabled; }
    bool bypassIntegration() const { return block().bypassIntegration; }
    void setEnabled(bool value);
    void setBypassIntegration(bool value);

signals:
    void _keo_enabledChanged();
    void _keo_bypassIntegrationChanged();

private:
    AngularVelocityConfig& block() const { return current<AngularVelocityConfig>(); }
};
