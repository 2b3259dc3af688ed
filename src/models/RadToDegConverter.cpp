#include "RadToDegConverter.h"

#include "config/Description.h"

float RadToDegConverter::toDisplay(float radians) const {
    return ConfigDescription::toShown(ConfigDescription::Unit::Radians, radians);
}

float RadToDegConverter::fromDisplay(float degrees) const {
    return ConfigDescription::fromShown(ConfigDescription::Unit::Radians, degrees);
}
