#include "RadToDegConverter.h"

float RadToDegConverter::toDisplay(float radians) const {
    return radians * 57.295776f;
}

// Computed in double so that a typed 90 degrees lands on the float nearest to pi/2.
float RadToDegConverter::fromDisplay(float degrees) const {
    return static_cast<float>(static_cast<double>(degrees) * 0.017453292519943295);
}
