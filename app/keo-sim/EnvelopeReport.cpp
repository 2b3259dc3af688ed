#include "EnvelopeReport.h"

#include <cmath>

double DofUse::percentOfEnvelope() const {
    const double peak = excursion.magnitude();
    return envelope > 0.0 ? 100.0 * peak / envelope : (peak > 0.0 ? INFINITY : 0.0);
}

bool DofUse::outside() const {
    return secondsAtLimit > 0.0 || secondsBeyondEnvelope > 0.0 ||
           secondsBeyondVelocityLimit > 0.0 || secondsBeyondAccelerationLimit > 0.0;
}

bool EnvelopeReport::withinEnvelope() const {
    for (const DofUse& dof : dofs)
        if (dof.outside())
            return false;
    for (const TiltRotation& axis : tiltRotations)
        if (axis.beyondLimit())
            return false;
    return true;
}
