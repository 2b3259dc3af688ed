#include "TiltCoordinationModel.h"

#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "RadToDegConverter.h"

TiltCoordinationModel::TiltCoordinationModel(TiltCoordinationConfig* current,
                                             const TiltCoordinationConfig* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedEnabled(saved->enabled)
    , m_accelerationFilter(new FilterConfigModel(&current->accelerationFilter,
                                                 &saved->accelerationFilter, paramSetModel, this))
    , m_maximumRate(new FloatValueModel(&current->maximumRate, &saved->maximumRate, paramSetModel,
                                        std::make_unique<RadToDegConverter>(), this))
    , m_outputFilter(
          new FilterConfigModel(&current->outputFilter, &saved->outputFilter, paramSetModel, this))
    , m_outputLimit(
          new LimitationModel(&current->outputLimit, &saved->outputLimit, paramSetModel, this)) {}

void TiltCoordinationModel::setEnabled(bool value) {
    write(m_current->enabled, value, &TiltCoordinationModel::_keo_enabledChanged);
}

bool TiltCoordinationModel::isModified() const {
    return m_current->enabled != m_savedEnabled || BaseModel::isModified();
}

void TiltCoordinationModel::restoreDefaults() {
    m_current->enabled = m_savedEnabled;
    BaseModel::restoreDefaults();
}

void TiltCoordinationModel::rebind(TiltCoordinationConfig* current,
                                   const TiltCoordinationConfig* saved) {
    m_current = current;
    m_savedEnabled = saved->enabled;
    m_accelerationFilter->rebind(&current->accelerationFilter, &saved->accelerationFilter);
    m_maximumRate->rebind(&current->maximumRate, &saved->maximumRate);
    m_outputFilter->rebind(&current->outputFilter, &saved->outputFilter);
    m_outputLimit->rebind(&current->outputLimit, &saved->outputLimit);
    notifyAll();
}
