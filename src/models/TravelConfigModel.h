#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

#include <array>

// The travel path of one axis: acceleration integrated to a travel, with its three switches.
class TravelConfigModel : public BaseModel {
    Q_OBJECT
    // clang-format off
    Q_PROPERTY(QObject* accelerationFilterModel     READ accelerationFilterModel     CONSTANT)
    Q_PROPERTY(QObject* velocityFilterModel         READ velocityFilterModel         CONSTANT)
    Q_PROPERTY(QObject* travelFilterModel           READ travelFilterModel           CONSTANT)
    Q_PROPERTY(QObject* outputTravelFilterModel     READ outputTravelFilterModel     CONSTANT)
    Q_PROPERTY(QObject* outputTravelLimitationModel READ outputTravelLimitationModel CONSTANT)
    Q_PROPERTY(bool enabled                READ enabled                WRITE setEnabled                NOTIFY _keo_enabledChanged)
    Q_PROPERTY(bool bypassAccIntegration   READ bypassAccIntegration   WRITE setBypassAccIntegration   NOTIFY _keo_bypassAccIntegrationChanged)
    Q_PROPERTY(bool bypassSpeedIntegration READ bypassSpeedIntegration WRITE setBypassSpeedIntegration NOTIFY _keo_bypassSpeedIntegrationChanged)
    // clang-format on

public:
    TravelConfigModel(TravelConfig* current, const TravelConfig* saved,
                      ParamSetModel* paramSetModel, BaseModel* parent = nullptr);

    FilterConfigModel* accelerationFilterModel() const { return m_accelerationFilter; }
    FilterConfigModel* velocityFilterModel() const { return m_velocityFilter; }
    FilterConfigModel* travelFilterModel() const { return m_travelFilter; }
    FilterConfigModel* outputTravelFilterModel() const { return m_outputFilter; }
    LimitationModel* outputTravelLimitationModel() const { return m_outputLimit; }

    bool enabled() const { return m_current->enabled; }
    bool bypassAccIntegration() const { return m_current->bypassAccIntegration; }
    bool bypassSpeedIntegration() const { return m_current->bypassSpeedIntegration; }
    void setEnabled(bool value);
    void setBypassAccIntegration(bool value);
    void setBypassSpeedIntegration(bool value);

    bool isModified() const override;
    void rebind(TravelConfig* current, const TravelConfig* saved);

    Q_INVOKABLE void restoreDefaults() override;

signals:
    void _keo_enabledChanged();
    void _keo_bypassAccIntegrationChanged();
    void _keo_bypassSpeedIntegrationChanged();

private:
    using Switches = std::array<bool, 3>;
    static Switches switchesOf(const TravelConfig& block);

    TravelConfig* m_current;
    Switches m_savedSwitches;
    FilterConfigModel* const m_accelerationFilter;
    FilterConfigModel* const m_velocityFilter;
    FilterConfigModel* const m_travelFilter;
    FilterConfigModel* const m_outputFilter;
    LimitationModel* const m_outputLimit;
};
