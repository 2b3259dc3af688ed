#include "AngularVelocityModel.h"

#include "config/RecordDescription.h"

AngularVelocityModel::AngularVelocityModel(AngularVelocityConfig* current,
                                           const AngularVelocityConfig* saved,
                                           ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<AngularVelocityConfig>::block);
}

void AngularVelocityModel::setEnabled(bool value) {
    write(block().enabled, value, &AngularVelocityModel::_keo_enabledChanged);
}

void AngularVelocityModel::setBypassIntegration(bool value) {
    write(block().bypassIntegration, value, &AngularVelocityModel::_keo_bypassIntegrationChanged);
}
