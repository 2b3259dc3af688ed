#include "LimitationModel.h"

#include "config/RecordDescription.h"

LimitationModel::LimitationModel(Limitation* current, const Limitation* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent, current, saved) {
    ownValues(&configDescription::Described<Limitation>::block);
}

void LimitationModel::setLimitationFactor(float value) {
    write(block().limitationFactor[shownSet()], value,
          &LimitationModel::_keo_limitationFactorChanged);
}

void LimitationModel::setMaxValueFactor(float value) {
    write(block().maxValueFactor[shownSet()], value, &LimitationModel::_keo_maxValueFactorChanged);
}

void LimitationModel::setLimitationType(KEOLimitationType::Enum type) {
    write(block().type, type, &LimitationModel::_keo_limitationTypeChanged);
}
