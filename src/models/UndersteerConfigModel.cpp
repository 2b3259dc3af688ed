#include "UndersteerConfigModel.h"

#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"

UndersteerConfigModel::UndersteerConfigModel(UndersteerConfig* current,
                                             const UndersteerConfig* saved,
                                             ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedSwitches(switchesOf(*saved))
    , m_intendedFilter(new FilterConfigModel(&current->intendedTurningCurveFilter,
                                             &saved->intendedTurningCurveFilter, paramSetModel,
                                             this))
    , m_actualFilter(new FilterConfigModel(&current->actualTurningCurveFilter,
                                           &saved->actualTurningCurveFilter, paramSetModel, this))
    , m_yawRateFilter(new FilterConfigModel(&current->yawRateFilter, &saved->yawRateFilter,
                                            paramSetModel, this))
    , m_deltaMaximumRate(new FloatValueModel(&current->deltaTurningCurveMaximumRate,
                                             &saved->deltaTurningCurveMaximumRate, paramSetModel,
                                             this))
    , m_toYawFilter(new FilterConfigModel(&current->toYaw.outputFilter, &saved->toYaw.outputFilter,
                                          paramSetModel, this))
    , m_toYawLimit(new LimitationModel(&current->toYaw.outputLimit, &saved->toYaw.outputLimit,
                                       paramSetModel, this))
    , m_toRollFilter(new FilterConfigModel(&current->toRoll.outputFilter,
                                           &saved->toRoll.outputFilter, paramSetModel, this))
    , m_toRollLimit(new LimitationModel(&current->toRoll.outputLimit, &saved->toRoll.outputLimit,
                                        paramSetModel, this))
    , m_pivotOffset(new FloatValueModel(&current->pivotPointLongitudinalOffset,
                                        &saved->pivotPointLongitudinalOffset, paramSetModel,
                                        this)) {}

UndersteerConfigModel::Switches UndersteerConfigModel::switchesOf(const UndersteerConfig& section) {
    return {section.toYaw.enabled, section.toRoll.enabled};
}

void UndersteerConfigModel::setToYawEnabled(bool value) {
    write(m_current->toYaw.enabled, value, &UndersteerConfigModel::_keo_toYawEnabledChanged);
}

void UndersteerConfigModel::setToRollEnabled(bool value) {
    write(m_current->toRoll.enabled, value, &UndersteerConfigModel::_keo_toRollEnabledChanged);
}

bool UndersteerConfigModel::isModified() const {
    return switchesOf(*m_current) != m_savedSwitches || BaseModel::isModified();
}

void UndersteerConfigModel::restoreDefaults() {
    m_current->toYaw.enabled = m_savedSwitches[0];
    m_current->toRoll.enabled = m_savedSwitches[1];
    BaseModel::restoreDefaults();
}

void UndersteerConfigModel::rebind(UndersteerConfig* current, const UndersteerConfig* saved) {
    m_current = current;
    m_savedSwitches = switchesOf(*saved);
    m_intendedFilter->rebind(&current->intendedTurningCurveFilter,
                             &saved->intendedTurningCurveFilter);
    m_actualFilter->rebind(&current->actualTurningCurveFilter, &saved->actualTurningCurveFilter);
    m_yawRateFilter->rebind(&current->yawRateFilter, &saved->yawRateFilter);
    m_deltaMaximumRate->rebind(&current->deltaTurningCurveMaximumRate,
                               &saved->deltaTurningCurveMaximumRate);
    m_toYawFilter->rebind(&current->toYaw.outputFilter, &saved->toYaw.outputFilter);
    m_toYawLimit->rebind(&current->toYaw.outputLimit, &saved->toYaw.outputLimit);
    m_toRollFilter->rebind(&current->toRoll.outputFilter, &saved->toRoll.outputFilter);
    m_toRollLimit->rebind(&current->toRoll.outputLimit, &saved->toRoll.outputLimit);
    m_pivotOffset->rebind(&current->pivotPointLongitudinalOffset,
                          &saved->pivotPointLongitudinalOffset);
    notifyAll();
}
