#include "AngularVelocityModel.h"

#include "FilterConfigModel.h"
#include "LimitationModel.h"

AngularVelocityModel::AngularVelocityModel(AngularVelocityConfig* current,
                                           const AngularVelocityConfig* saved,
                                           ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedSwitches(switchesOf(*saved))
    , m_velocityFilter(new FilterConfigModel(&current->velocityFilter, &saved->velocityFilter,
                                             paramSetModel, this))
    , m_angleFilter(
          new FilterConfigModel(&current->angleFilter, &saved->angleFilter, paramSetModel, this))
    , m_outputFilter(
          new FilterConfigModel(&current->outputFilter, &saved->outputFilter, paramSetModel, this))
    , m_outputLimit(
          new LimitationModel(&current->outputLimit, &saved->outputLimit, paramSetModel, this)) {}

AngularVelocityModel::Switches
AngularVelocityModel::switchesOf(const AngularVelocityConfig& block) {
    return {block.enabled, block.bypassIntegration};
}

void AngularVelocityModel::setEnabled(bool value) {
    write(m_current->enabled, value, &AngularVelocityModel::_keo_enabledChanged);
}

void AngularVelocityModel::setBypassIntegration(bool value) {
    write(m_current->bypassIntegration, value,
          &AngularVelocityModel::_keo_bypassIntegrationChanged);
}

bool AngularVelocityModel::isModified() const {
    return switchesOf(*m_current) != m_savedSwitches || BaseModel::isModified();
}

void AngularVelocityModel::restoreDefaults() {
    m_current->enabled = m_savedSwitches[0];
    m_current->bypassIntegration = m_savedSwitches[1];
    BaseModel::restoreDefaults();
}

void AngularVelocityModel::rebind(AngularVelocityConfig* current,
                                  const AngularVelocityConfig* saved) {
    m_current = current;
    m_savedSwitches = switchesOf(*saved);
    m_velocityFilter->rebind(&current->velocityFilter, &saved->velocityFilter);
    m_angleFilter->rebind(&current->angleFilter, &saved->angleFilter);
    m_outputFilter->rebind(&current->outputFilter, &saved->outputFilter);
    m_outputLimit->rebind(&current->outputLimit, &saved->outputLimit);
    notifyAll();
}
