#include "LimitationModel.h"

LimitationModel::LimitationModel(Limitation* current, const Limitation* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_saved(saved) {}

void LimitationModel::setLimitationFactor(float value) {
    write(m_current->limitationFactor[shownSet()], value,
          &LimitationModel::_keo_limitationFactorChanged);
}

void LimitationModel::setMaxValueFactor(float value) {
    write(m_current->maxValueFactor[shownSet()], value,
          &LimitationModel::_keo_maxValueFactorChanged);
}

void LimitationModel::setLimitationType(KEOLimitationType::Enum type) {
    write(m_current->type, type, &LimitationModel::_keo_limitationTypeChanged);
}

bool LimitationModel::isModified() const {
    return m_current->type != m_saved->type ||
           !samePair(m_current->limitationFactor, m_saved->limitationFactor) ||
           !samePair(m_current->maxValueFactor, m_saved->maxValueFactor);
}

void LimitationModel::restoreDefaults() {
    *m_current = *m_saved;
    notifyAll();
}

void LimitationModel::rebind(Limitation* current, const Limitation* saved) {
    m_current = current;
    m_saved = saved;
    notifyAll();
}
