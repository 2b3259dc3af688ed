#include "TravelConfigModel.h"

#include "config/RecordDescription.h"

TravelConfigModel::TravelConfigModel(TravelConfig* current, const TravelConfig* saved,
                                     ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<TravelConfig>::block);
}

void TravelConfigModel::setEnabled(bool value) {
    write(block().enabled, value, &TravelConfigModel::_keo_enabledChanged);
}

void TravelConfigModel::setBypassAccIntegration(bool value) {
    write(block().bypassAccIntegration, value,
          &TravelConfigModel::_keo_bypassAccIntegrationChanged);
}

void TravelConfigModel::setBypassSpeedIntegration(bool value) {
    write(block().bypassSpeedIntegration, value,
          &TravelConfigModel::_keo_bypassSpeedIntegrationChanged);
}
