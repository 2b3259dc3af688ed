#pragma once

#include "BaseModel.h"
#include "FilterConfigModel.h"
#include "LimitationModel.h"
#include "config/Config.h"

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

    FilterConfigModel* accelerationFilterModel() const {
        return child<FilterConfigModel>("accelerationFilterModel");
    }
    FilterConfigModel* velocityFilterModel() const {
        return child<FilterConfigModel>("velocityFilterModel");
    }
    FilterConfigModel* travelFilterModel() const {
        return child<FilterConfigModel>("travelFilterModel");
    }
    FilterConfigModel* outputTravelFilterModel() const {
        return child<FilterConfigModel>("outputTravelFilterModel");
    }
    LimitationModel* outputTravelLimitationModel() const {
        return child<LimitationModel>("outputTravelLimitationModel");
    }

    bool enabled() const { return block().enabled; }
    bool bypassAccIntegration() const { return block().bypassAccIntegration; }
    bool bypassSpeedIntegration() const { return block().bypassSpeedIntegration; }
    void setEnabled(bool value);
    void setBypassAccIntegration(bool value);
    void setBypassSpeedIntegration(bool value);

signals:
    void _keo_enabledChanged();
    void _keo_bypassAccIntegrationChanged();
    void _keo_bypassSpeedIntegrationChanged();

private:
    TravelConfig& block() const { return current<TravelConfig>(); }
};
