#include "RadToDegConverter.h"

#include "platform/Units.h"

float RadToDegConverter::toDisplay(float radians) const {
    return radians * degreesPerRadian;
}

// Computed in double so that a typed 90 degrees lands on the float nearest to pi/2.
float RadToDegConverter::fromDisplay(float degrees) const {
    return static_cast<float>(static_cast<double>(degrees) * 0.017453292519943295);
}
