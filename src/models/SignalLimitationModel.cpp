#include "SignalLimitationModel.h"

#include "config/LimitationCurves.h"

#include <cmath>

SignalLimitationModel::SignalLimitationModel(SignalLimitation* current,
                                             const SignalLimitation* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent)
    : SignalLimitationModel(current, saved, paramSetModel, nullptr, parent) {}

SignalLimitationModel::SignalLimitationModel(SignalLimitation* current,
                                             const SignalLimitation* saved,
                                             ParamSetModel* paramSetModel,
                                             std::unique_ptr<IValueConverter> converter,
                                             BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_saved(saved)
    , m_converter(std::move(converter)) {}

SignalLimitationModel::~SignalLimitationModel() = default;

float SignalLimitationModel::maxValue() const {
    const float stored = m_current->maxValue[shownSet()];
    return m_converter ? m_converter->toDisplay(stored) : stored;
}

void SignalLimitationModel::setMaxValue(float value) {
    const float stored = m_converter ? m_converter->fromDisplay(value) : value;
    write(m_current->maxValue[shownSet()], stored, &SignalLimitationModel::_keo_maxValueChanged);
}

void SignalLimitationModel::setLimitationFactor(float value) {
    write(m_current->limitationFactor[shownSet()], value,
          &SignalLimitationModel::_keo_limitationFactorChanged);
}

void SignalLimitationModel::setLimitationType(KEOLimitationType::Enum type) {
    write(m_current->type, type, &SignalLimitationModel::_keo_limitationTypeChanged);
}

bool SignalLimitationModel::isModified() const {
    return m_current->type != m_saved->type || !samePair(m_current->maxValue, m_saved->maxValue) ||
           !samePair(m_current->limitationFactor, m_saved->limitationFactor);
}

void SignalLimitationModel::restoreDefaults() {
    *m_current = *m_saved;
    notifyAll();
}

void SignalLimitationModel::rebind(SignalLimitation* current, const SignalLimitation* saved) {
    m_current = current;
    m_saved = saved;
    notifyAll();
}

float SignalLimitationModel::callLimitationFunction(float value, float max, float factor) const {
    // The curves divide by the maximum; a vanishing one is replaced by a tiny positive value.
    const float safeMax = std::fabs(max) <= 0.00001f ? 0.000001f : max;
    return getLimitationFunction(m_current->type)(value, safeMax, factor, 1.0f);
}
