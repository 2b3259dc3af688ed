#include "MixerConfigModel.h"

#include "MixerPathModel.h"

MixerConfigModel::MixerConfigModel(MixerConfig* current, const MixerConfig* saved,
                                   ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_swayToRoll(
          new MixerPathModel(&current->swayToRoll, &saved->swayToRoll, paramSetModel, this))
    , m_yawToRoll(new MixerPathModel(&current->yawToRoll, &saved->yawToRoll, paramSetModel, this))
    , m_surgeToPitch(
          new MixerPathModel(&current->surgeToPitch, &saved->surgeToPitch, paramSetModel, this))
    , m_heaveToPitch(
          new MixerPathModel(&current->heaveToPitch, &saved->heaveToPitch, paramSetModel, this))
    , m_roadHarshnessToSurge(new MixerPathModel(&current->roadHarshnessToSurge,
                                                &saved->roadHarshnessToSurge, paramSetModel, this))
    , m_roadHarshnessToPitch(new MixerPathModel(
          &current->roadHarshnessToPitch, &saved->roadHarshnessToPitch, paramSetModel, this)) {}

void MixerConfigModel::rebind(MixerConfig* current, const MixerConfig* saved) {
    m_swayToRoll->rebind(&current->swayToRoll, &saved->swayToRoll);
    m_yawToRoll->rebind(&current->yawToRoll, &saved->yawToRoll);
    m_surgeToPitch->rebind(&current->surgeToPitch, &saved->surgeToPitch);
    m_heaveToPitch->rebind(&current->heaveToPitch, &saved->heaveToPitch);
    m_roadHarshnessToSurge->rebind(&current->roadHarshnessToSurge, &saved->roadHarshnessToSurge);
    m_roadHarshnessToPitch->rebind(&current->roadHarshnessToPitch, &saved->roadHarshnessToPitch);
    notifyAll();
}
