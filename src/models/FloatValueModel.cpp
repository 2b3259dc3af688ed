#include "FloatValueModel.h"

FloatValueModel::FloatValueModel(FloatPair* current, const FloatPair* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent,
                                 configDescription::Unit unit)
    : BaseModel(paramSetModel, parent, current, saved)
    , m_unit(unit) {
    ownValues(nullptr);
}

float FloatValueModel::value() const {
    return configDescription::toShown(m_unit, current<FloatPair>()[shownSet()]);
}

void FloatValueModel::setValue(float value) {
    write(current<FloatPair>()[shownSet()], configDescription::fromShown(m_unit, value),
          &FloatValueModel::_keo_valueChanged);
}
