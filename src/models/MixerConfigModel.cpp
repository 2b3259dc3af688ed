#include "MixerConfigModel.h"

#include "config/RecordDescription.h"

MixerConfigModel::MixerConfigModel(MixerConfig* current, const MixerConfig* saved,
                                   ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<MixerConfig>::block);
}
