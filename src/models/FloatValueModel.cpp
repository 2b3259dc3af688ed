#include "FloatValueModel.h"

FloatValueModel::FloatValueModel(FloatPair* current, const FloatPair* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent,
                                 ConfigDescription::Unit unit)
    : BaseModel(paramSetModel, parent, current, saved)
    , m_unit(unit) {
    ownValues(nullptr);
}

float FloatValueModel::value() const {
    return ConfigDescription::toShown(m_unit, current<FloatPair>()[shownSet()]);
}

void FloatValueModel::setValue(float value) {
    write(current<FloatPair>()[shownSet()], ConfigDescription::fromShown(m_unit, value),
          &FloatValueModel::_keo_valueChanged);
}
