#include "MultiplexerConfigModel.h"

#include "LimitationModel.h"

MultiplexerConfigModel::MultiplexerConfigModel(MultiplexerConfig* current,
                                               const MultiplexerConfig* saved,
                                               ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_surge(new LimitationModel(&current->surge, &saved->surge, paramSetModel, this))
    , m_sway(new LimitationModel(&current->sway, &saved->sway, paramSetModel, this))
    , m_heave(new LimitationModel(&current->heave, &saved->heave, paramSetModel, this))
    , m_pitch(new LimitationModel(&current->pitch, &saved->pitch, paramSetModel, this))
    , m_roll(new LimitationModel(&current->roll, &saved->roll, paramSetModel, this))
    , m_yaw(new LimitationModel(&current->yaw, &saved->yaw, paramSetModel, this)) {}

void MultiplexerConfigModel::rebind(MultiplexerConfig* current, const MultiplexerConfig* saved) {
    m_surge->rebind(&current->surge, &saved->surge);
    m_sway->rebind(&current->sway, &saved->sway);
    m_heave->rebind(&current->heave, &saved->heave);
    m_pitch->rebind(&current->pitch, &saved->pitch);
    m_roll->rebind(&current->roll, &saved->roll);
    m_yaw->rebind(&current->yaw, &saved->yaw);
    notifyAll();
}
