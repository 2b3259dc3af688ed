#include "MixerPathModel.h"

#include "config/RecordDescription.h"

MixerPathModel::MixerPathModel(MixerPathConfig* current, const MixerPathConfig* saved,
                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<MixerPathConfig>::block);
}

void MixerPathModel::setEnabled(bool value) {
    write(block().enabled, value, &MixerPathModel::_keo_enabledChanged);
}
