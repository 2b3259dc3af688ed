#include "RadToDegConverter.h"

#include "config/Description.h"

float RadToDegConverter::toDisplay(float radians) const {
    return configDescription::toShown(configDescription::Unit::Radians, radians);
}

float RadToDegConverter::fromDisplay(float degrees) const {
    return configDescription::fromShown(configDescription::Unit::Radians, degrees);
}
