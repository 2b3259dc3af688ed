#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

#include <array>

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

    FilterConfigModel* velocityFilterModel() const { return m_velocityFilter; }
    FilterConfigModel* angleFilterModel() const { return m_angleFilter; }
    FilterConfigModel* outputAngleFilterModel() const { return m_outputFilter; }
    LimitationModel* outputAngleLimitationModel() const { return m_outputLimit; }

    bool enabled() const { return m_current->enabled; }
    bool bypassIntegration() const { return m_current->bypassIntegration; }
    void setEnabled(bool value);
    void setBypassIntegration(bool value);

    bool isModified() const override;
    void rebind(AngularVelocityConfig* current, const AngularVelocityConfig* saved);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_enabledChanged();
    void _keo_bypassIntegrationChanged();

private:
    using Switches = std::array<bool, 2>;
    static Switches switchesOf(const AngularVelocityConfig& block);

    AngularVelocityConfig* m_current;
    Switches m_savedSwitches;
    FilterConfigModel* const m_velocityFilter;
    FilterConfigModel* const m_angleFilter;
    FilterConfigModel* const m_outputFilter;
    LimitationModel* const m_outputLimit;
};
