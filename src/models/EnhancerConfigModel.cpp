#include "EnhancerConfigModel.h"

#include "FilterConfigModel.h"
#include "FloatValueModel.h"
#include "LimitationModel.h"
#include "RadToDegConverter.h"
#include "SignalLimitationModel.h"

EnhancerConfigModel::EnhancerConfigModel(EnhancerConfig* current, const EnhancerConfig* saved,
                                         ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_current(current)
    , m_savedSwitches(switchesOf(*saved))
    , m_rhInputLimit(new SignalLimitationModel(&current->roadHarshness.inputLimit,
                                               &saved->roadHarshness.inputLimit, paramSetModel,
                                               this))
    , m_rhHighpass(new FilterConfigModel(&current->roadHarshness.highpassFilter,
                                         &saved->roadHarshness.highpassFilter, paramSetModel, this))
    , m_rhOutputFilter(new FilterConfigModel(&current->roadHarshness.outputFilter,
                                             &saved->roadHarshness.outputFilter, paramSetModel,
                                             this))
    , m_rhOutputLimit(new LimitationModel(&current->roadHarshness.outputLimit,
                                          &saved->roadHarshness.outputLimit, paramSetModel, this))
    , m_yawInputLimit(new SignalLimitationModel(&current->sideslipToYaw.inputLimit,
                                                &saved->sideslipToYaw.inputLimit, paramSetModel,
                                                std::make_unique<RadToDegConverter>(), this))
    , m_yawMaximumRate(new FloatValueModel(&current->sideslipToYaw.maximumRate,
                                           &saved->sideslipToYaw.maximumRate, paramSetModel, this))
    , m_yawHighpass(new FilterConfigModel(&current->sideslipToYaw.highpassFilter,
                                          &saved->sideslipToYaw.highpassFilter, paramSetModel,
                                          this))
    , m_yawOutputFilter(new FilterConfigModel(&current->sideslipToYaw.outputFilter,
                                              &saved->sideslipToYaw.outputFilter, paramSetModel,
                                              this))
    , m_yawOutputLimit(new LimitationModel(&current->sideslipToYaw.outputLimit,
                                           &saved->sideslipToYaw.outputLimit, paramSetModel, this))
    , m_rollInputLimit(new SignalLimitationModel(&current->sideslipToRoll.inputLimit,
                                                 &saved->sideslipToRoll.inputLimit, paramSetModel,
                                                 std::make_unique<RadToDegConverter>(), this))
    , m_rollMaximumRate(new FloatValueModel(&current->sideslipToRoll.maximumRate,
                                            &saved->sideslipToRoll.maximumRate, paramSetModel,
                                            this))
    , m_rollHighpass(new FilterConfigModel(&current->sideslipToRoll.highpassFilter,
                                           &saved->sideslipToRoll.highpassFilter, paramSetModel,
                                           this))
    , m_rollOutputFilter(new FilterConfigModel(&current->sideslipToRoll.outputFilter,
                                               &saved->sideslipToRoll.outputFilter, paramSetModel,
                                               this))
    , m_rollOutputLimit(new LimitationModel(&current->sideslipToRoll.outputLimit,
                                            &saved->sideslipToRoll.outputLimit, paramSetModel,
                                            this))
    , m_pivotOffset(new FloatValueModel(&current->sideslipPivotLongitudinalOffset,
                                        &saved->sideslipPivotLongitudinalOffset, paramSetModel,
                                        this)) {}

EnhancerConfigModel::Switches EnhancerConfigModel::switchesOf(const EnhancerConfig& section) {
    return {section.sideslipToYaw.enabled, section.sideslipToRoll.enabled,
            section.roadHarshness.enabled};
}

void EnhancerConfigModel::setRoadHarshnessEnabled(bool value) {
    write(m_current->roadHarshness.enabled, value,
          &EnhancerConfigModel::_keo_roadHarshnessEnabledChanged);
}

void EnhancerConfigModel::setSideslipToYawEnabled(bool value) {
    write(m_current->sideslipToYaw.enabled, value,
          &EnhancerConfigModel::_keo_sideslipToYawEnabledChanged);
}

void EnhancerConfigModel::setSideslipToRollEnabled(bool value) {
    write(m_current->sideslipToRoll.enabled, value,
          &EnhancerConfigModel::_keo_sideslipToRollEnabledChanged);
}

bool EnhancerConfigModel::isModified() const {
    return switchesOf(*m_current) != m_savedSwitches || BaseModel::isModified();
}

void EnhancerConfigModel::restoreDefaults() {
    m_current->sideslipToYaw.enabled = m_savedSwitches[0];
    m_current->sideslipToRoll.enabled = m_savedSwitches[1];
    m_current->roadHarshness.enabled = m_savedSwitches[2];
    BaseModel::restoreDefaults();
}

void EnhancerConfigModel::rebind(EnhancerConfig* current, const EnhancerConfig* saved) {
    m_current = current;
    m_savedSwitches = switchesOf(*saved);
    RoadHarshnessConfig& road = current->roadHarshness;
    const RoadHarshnessConfig& savedRoad = saved->roadHarshness;
    m_rhInputLimit->rebind(&road.inputLimit, &savedRoad.inputLimit);
    m_rhHighpass->rebind(&road.highpassFilter, &savedRoad.highpassFilter);
    m_rhOutputFilter->rebind(&road.outputFilter, &savedRoad.outputFilter);
    m_rhOutputLimit->rebind(&road.outputLimit, &savedRoad.outputLimit);
    const SideslipPathConfig& savedYaw = saved->sideslipToYaw;
    SideslipPathConfig& yaw = current->sideslipToYaw;
    m_yawInputLimit->rebind(&yaw.inputLimit, &savedYaw.inputLimit);
    m_yawMaximumRate->rebind(&yaw.maximumRate, &savedYaw.maximumRate);
    m_yawHighpass->rebind(&yaw.highpassFilter, &savedYaw.highpassFilter);
    m_yawOutputFilter->rebind(&yaw.outputFilter, &savedYaw.outputFilter);
    m_yawOutputLimit->rebind(&yaw.outputLimit, &savedYaw.outputLimit);
    const SideslipPathConfig& savedRoll = saved->sideslipToRoll;
    SideslipPathConfig& roll = current->sideslipToRoll;
    m_rollInputLimit->rebind(&roll.inputLimit, &savedRoll.inputLimit);
    m_rollMaximumRate->rebind(&roll.maximumRate, &savedRoll.maximumRate);
    m_rollHighpass->rebind(&roll.highpassFilter, &savedRoll.highpassFilter);
    m_rollOutputFilter->rebind(&roll.outputFilter, &savedRoll.outputFilter);
    m_rollOutputLimit->rebind(&roll.outputLimit, &savedRoll.outputLimit);
    m_pivotOffset->rebind(&current->sideslipPivotLongitudinalOffset,
                          &saved->sideslipPivotLongitudinalOffset);
    notifyAll();
}
