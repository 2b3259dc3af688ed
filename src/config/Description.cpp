#include "Description.h"

#include "platform/Units.h"

namespace configDescription {

const char* shownUnitText(Unit unit) {
    switch (unit) {
    case Unit::Hertz:
        return "Hz";
    case Unit::Percent:
        return "%";
    case Unit::MetresPerSecondSquared:
        return "m/s\u00B2";
    case Unit::Metres:
        return "m";
    case Unit::Radians:
        return "deg";
    case Unit::RadiansPerSecond:
    case Unit::DegreesPerSecond:
        return "deg/s";
    default:
        return "";
    }
}

const char* pageTitle(Page page) {
    switch (page) {
    case Page::Lateral:
        return "Lateral acceleration and roll rate";
    case Page::Longitudinal:
        return "Longitudinal acceleration and pitch rate";
    case Page::Vertical:
        return "Vertical acceleration and yaw rate";
    case Page::Absolute:
        return "Body roll and pitch";
    case Page::Enhancer:
        return "Enhancer";
    case Page::Understeer:
        return "Understeer";
    case Page::Mixer:
        return "DoF mixer";
    case Page::Multiplexer:
        return "Multiplexer";
    default:
        return "Options";
    }
}

float toShown(Unit unit, float stored) {
    return shownInDegrees(unit) ? stored * degreesPerRadian : stored;
}

// Computed in double so that a typed 90 degrees lands on the float nearest to pi/2.
float fromShown(Unit unit, float shown) {
    return shownInDegrees(unit)
               ? static_cast<float>(static_cast<double>(shown) * 0.017453292519943295)
               : shown;
}

} // namespace configDescription
