#include "AbsolutePitchRollModel.h"

#include "config/RecordDescription.h"

AbsolutePitchRollModel::AbsolutePitchRollModel(Config* current, const Config* saved,
                                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<Config>::block, "absolutePitchRollConfigModel");
}

void AbsolutePitchRollModel::setPitchEnabled(bool value) {
    write(block().absolutePitch.enabled, value, &AbsolutePitchRollModel::_keo_pitchEnabledChanged);
}

void AbsolutePitchRollModel::setRollEnabled(bool value) {
    write(block().absoluteRoll.enabled, value, &AbsolutePitchRollModel::_keo_rollEnabledChanged);
}
