#include "MixerPathModel.h"

#include "FilterConfigModel.h"
#include "LimitationModel.h"

MixerPathModel::MixerPathModel(MixerPathConfig* current, const MixerPathConfig* saved,
                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedEnabled(saved->enabled)
    , m_outputFilter(
          new FilterConfigModel(&current->outputFilter, &saved->outputFilter, paramSetModel, this))
    , m_outputLimit(
          new LimitationModel(&current->outputLimit, &saved->outputLimit, paramSetModel, this)) {}

void MixerPathModel::setEnabled(bool value) {
    write(m_current->enabled, value, &MixerPathModel::_keo_enabledChanged);
}

bool MixerPathModel::isModified() const {
    return m_current->enabled != m_savedEnabled || BaseModel::isModified();
}

void MixerPathModel::restoreDefaults() {
    m_current->enabled = m_savedEnabled;
    BaseModel::restoreDefaults();
}

void MixerPathModel::rebind(MixerPathConfig* current, const MixerPathConfig* saved) {
    m_current = current;
    m_savedEnabled = saved->enabled;
    m_outputFilter->rebind(&current->outputFilter, &saved->outputFilter);
    m_outputLimit->rebind(&current->outputLimit, &saved->outputLimit);
    notifyAll();
}
