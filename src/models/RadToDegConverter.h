#pragma once

#include "IValueConverter.h"

// Angles and angular rates are stored in radians and shown in degrees.
class RadToDegConverter final : public IValueConverter {
public:
    float toDisplay(float radians) const override;
    float fromDisplay(float degrees) const override;
};
