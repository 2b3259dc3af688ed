#include "SignalLimitationModel.h"

#include "config/LimitationCurves.h"
#include "config/RecordDescription.h"

#include <cmath>

SignalLimitationModel::SignalLimitationModel(SignalLimitation* current,
                                             const SignalLimitation* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent,
                                             configDescription::Unit unit)
    : BaseModel(paramSetModel, parent, current, saved)
    , m_unit(unit) {
    ownValues(&configDescription::Described<SignalLimitation>::block);
}

float SignalLimitationModel::maxValue() const {
    return configDescription::toShown(m_unit, block().maxValue[shownSet()]);
}

void SignalLimitationModel::setMaxValue(float value) {
    write(block().maxValue[shownSet()], configDescription::fromShown(m_unit, value),
          &SignalLimitationModel::_keo_maxValueChanged);
}

void SignalLimitationModel::setLimitationFactor(float value) {
    write(block().limitationFactor[shownSet()], value,
          &SignalLimitationModel::_keo_limitationFactorChanged);
}

void SignalLimitationModel::setLimitationType(KEOLimitationType::Enum type) {
    write(block().type, type, &SignalLimitationModel::_keo_limitationTypeChanged);
}

float SignalLimitationModel::callLimitationFunction(float value, float max, float factor) const {
    // The curves divide by the maximum; a vanishing one is replaced by a tiny positive value.
    const float safeMax = std::fabs(max) <= 0.00001f ? 0.000001f : max;
    return getLimitationFunction(block().type)(value, safeMax, factor, 1.0f);
}
