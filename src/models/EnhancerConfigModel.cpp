#include "EnhancerConfigModel.h"

#include "config/RecordDescription.h"

EnhancerConfigModel::EnhancerConfigModel(EnhancerConfig* current, const EnhancerConfig* saved,
                                         ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<EnhancerConfig>::block);
}

void EnhancerConfigModel::setRoadHarshnessEnabled(bool value) {
    write(block().roadHarshness.enabled, value,
          &EnhancerConfigModel::_keo_roadHarshnessEnabledChanged);
}

void EnhancerConfigModel::setSideslipToYawEnabled(bool value) {
    write(block().sideslipToYaw.enabled, value,
          &EnhancerConfigModel::_keo_sideslipToYawEnabledChanged);
}

void EnhancerConfigModel::setSideslipToRollEnabled(bool value) {
    write(block().sideslipToRoll.enabled, value,
          &EnhancerConfigModel::_keo_sideslipToRollEnabledChanged);
}
