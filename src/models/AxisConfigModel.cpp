#include "AxisConfigModel.h"

#include "AngularVelocityModel.h"
#include "RadToDegConverter.h"
#include "SignalLimitationModel.h"
#include "TiltCoordinationModel.h"
#include "TravelConfigModel.h"

AxisConfigModel::AxisConfigModel(AxisConfig* current, const AxisConfig* saved,
                                 ParamSetModel* paramSetModel, BaseModel* parent)
    : BaseModel(paramSetModel, parent)
    , m_accelerationInputLimit(new SignalLimitationModel(
          &current->accelerationInputLimit, &saved->accelerationInputLimit, paramSetModel, this))
    , m_angularRateInputLimit(
          new SignalLimitationModel(&current->angularRateInputLimit, &saved->angularRateInputLimit,
                                    paramSetModel, std::make_unique<RadToDegConverter>(), this))
    , m_tiltCoordinationInputLimit(new SignalLimitationModel(&current->tiltCoordinationInputLimit,
                                                             &saved->tiltCoordinationInputLimit,
                                                             paramSetModel, this))
    , m_travel(new TravelConfigModel(&current->travel, &saved->travel, paramSetModel, this))
    , m_tiltCoordination(new TiltCoordinationModel(&current->tiltCoordination,
                                                   &saved->tiltCoordination, paramSetModel, this))
    , m_angularVelocity(new AngularVelocityModel(&current->angularVelocity, &saved->angularVelocity,
                                                 paramSetModel, this)) {}

void AxisConfigModel::rebind(AxisConfig* current, const AxisConfig* saved) {
    m_accelerationInputLimit->rebind(&current->accelerationInputLimit,
                                     &saved->accelerationInputLimit);
    m_angularRateInputLimit->rebind(&current->angularRateInputLimit, &saved->angularRateInputLimit);
    m_tiltCoordinationInputLimit->rebind(&current->tiltCoordinationInputLimit,
                                         &saved->tiltCoordinationInputLimit);
    m_travel->rebind(&current->travel, &saved->travel);
    m_tiltCoordination->rebind(&current->tiltCoordination, &saved->tiltCoordination);
    m_angularVelocity->rebind(&current->angularVelocity, &saved->angularVelocity);
    notifyAll();
}
