#include "FilterConfigModel.h"

FilterConfigModel::FilterConfigModel(FilterConfig* current, const FilterConfig* saved,
                                     ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_saved(saved) {}

void FilterConfigModel::setCutoffFrequency(float value) {
    write(m_current->cutoff[shownSet()], value, &FilterConfigModel::_keo_cutoffFrequencyChanged);
}

void FilterConfigModel::setCutoffFrequencyStart(float value) {
    write(m_current->cutoffStart[shownSet()], value,
          &FilterConfigModel::_keo_cutoffFrequencyStartChanged);
}

void FilterConfigModel::setCutoffFrequencyEnd(float value) {
    write(m_current->cutoffEnd[shownSet()], value,
          &FilterConfigModel::_keo_cutoffFrequencyEndChanged);
}

void FilterConfigModel::setFilterType(KEOFilterType::Enum type) {
    write(m_current->type, type, &FilterConfigModel::_keo_filterTypeChanged);
}

bool FilterConfigModel::isModified() const {
    return !samePair(m_current->cutoff, m_saved->cutoff) ||
           !samePair(m_current->cutoffStart, m_saved->cutoffStart) ||
           !samePair(m_current->cutoffEnd, m_saved->cutoffEnd) || m_current->type != m_saved->type;
}

void FilterConfigModel::restoreDefaults() {
    *m_current = *m_saved;
    notifyAll();
}

void FilterConfigModel::rebind(FilterConfig* current, const FilterConfig* saved) {
    m_current = current;
    m_saved = saved;
    notifyAll();
}
