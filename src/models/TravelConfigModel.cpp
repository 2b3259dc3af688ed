#include "TravelConfigModel.h"

#include "FilterConfigModel.h"
#include "LimitationModel.h"

TravelConfigModel::TravelConfigModel(TravelConfig* current, const TravelConfig* saved,
                                     ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedSwitches(switchesOf(*saved))
    , m_accelerationFilter(new FilterConfigModel(&current->accelerationFilter,
                                                 &saved->accelerationFilter, paramSetModel, this))
    , m_velocityFilter(new FilterConfigModel(&current->velocityFilter, &saved->velocityFilter,
                                             paramSetModel, this))
    , m_travelFilter(
          new FilterConfigModel(&current->travelFilter, &saved->travelFilter, paramSetModel, this))
    , m_outputFilter(
          new FilterConfigModel(&current->outputFilter, &saved->outputFilter, paramSetModel, this))
    , m_outputLimit(
          new LimitationModel(&current->outputLimit, &saved->outputLimit, paramSetModel, this)) {}

TravelConfigModel::Switches TravelConfigModel::switchesOf(const TravelConfig& block) {
    return {block.enabled, block.bypassAccIntegration, block.bypassSpeedIntegration};
}

void TravelConfigModel::setEnabled(bool value) {
    write(m_current->enabled, value, &TravelConfigModel::_keo_enabledChanged);
}

void TravelConfigModel::setBypassAccIntegration(bool value) {
    write(m_current->bypassAccIntegration, value,
          &TravelConfigModel::_keo_bypassAccIntegrationChanged);
}

void TravelConfigModel::setBypassSpeedIntegration(bool value) {
    write(m_current->bypassSpeedIntegration, value,
          &TravelConfigModel::_keo_bypassSpeedIntegrationChanged);
}

bool TravelConfigModel::isModified() const {
    return switchesOf(*m_current) != m_savedSwitches || BaseModel::isModified();
}

void TravelConfigModel::restoreDefaults() {
    m_current->enabled = m_savedSwitches[0];
    m_current->bypassAccIntegration = m_savedSwitches[1];
    m_current->bypassSpeedIntegration = m_savedSwitches[2];
    BaseModel::restoreDefaults();
}

void TravelConfigModel::rebind(TravelConfig* current, const TravelConfig* saved) {
    m_current = current;
    m_savedSwitches = switchesOf(*saved);
    m_accelerationFilter->rebind(&current->accelerationFilter, &saved->accelerationFilter);
    m_velocityFilter->rebind(&current->velocityFilter, &saved->velocityFilter);
    m_travelFilter->rebind(&current->travelFilter, &saved->travelFilter);
    m_outputFilter->rebind(&current->outputFilter, &saved->outputFilter);
    m_outputLimit->rebind(&current->outputLimit, &saved->outputLimit);
    notifyAll();
}
