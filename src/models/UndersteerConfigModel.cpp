#include "UndersteerConfigModel.h"

#include "config/RecordDescription.h"

UndersteerConfigModel::UndersteerConfigModel(UndersteerConfig* current,
                                             const UndersteerConfig* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownBlock(configDescription::Described<UndersteerConfig>::block);
}

void UndersteerConfigModel::setToYawEnabled(bool value) {
    write(block().toYaw.enabled, value, &UndersteerConfigModel::_keo_toYawEnabledChanged);
}

void UndersteerConfigModel::setToRollEnabled(bool value) {
    write(block().toRoll.enabled, value, &UndersteerConfigModel::_keo_toRollEnabledChanged);
}
