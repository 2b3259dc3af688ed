#include "TiltCoordinationModel.h"

#include "config/RecordDescription.h"

TiltCoordinationModel::TiltCoordinationModel(TiltCoordinationConfig* current,
                                             const TiltCoordinationConfig* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<TiltCoordinationConfig>::block);
}

void TiltCoordinationModel::setEnabled(bool value) {
    write(block().enabled, value, &TiltCoordinationModel::_keo_enabledChanged);
}
