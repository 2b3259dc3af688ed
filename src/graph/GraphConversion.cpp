#include "GraphConversion.h"

#include "platform/Units.h"

#include <cmath>

namespace JVX {

float convertValue(int conversion, float value) {
    switch (conversion) {
    case ConversionRadToDeg:
        return value * degreesPerRadian;
    case ConversionMToMm:
        return value * 1000.0f;
    case ConversionMmToM:
        return value * 0.001f;
    case ConversionMpsToKnots:
        return value * 0.00054000056f * 3600.0f;
    case ConversionKnotsToMps:
        return value * 1851.85f * 0.00027777778f;
    case ConversionKmhToKnots:
        return value * 0.54000056f;
    case ConversionKnotsToKmh:
        return value * 1.85185f;
    case ConversionMpsToKmh:
        return value * 3.6f;
    default:
        return value;
    }
}

const char* conversionName(int conversion) {
    static const char* const names[ConversionCount] = {
        "None",         "Rad -> Deg",    "m -> mm",       "mm -> m",     "m/s -> knots",
        "knots -> m/s", "km/h -> knots", "knots -> km/h", "m/s -> km/h",
    };
    if (conversion < 0 || conversion >= ConversionCount)
        return "";
    return names[conversion];
}

float lowPassStep(float previous, float value, int strength) {
    // Without filtering the value is stored as it is: (value - previous) + previous can round it
    // away. A previous value that is not finite would poison every later value, so the filter
    // starts afresh from the new one.
    if (strength <= 1 || !std::isfinite(previous))
        return value;
    return (value - previous) / static_cast<float>(strength) + previous;
}

} // namespace JVX
