#pragma once

namespace JVX {

// Unit conversions applied to every incoming value, by code; the codes are stored in settings of
// the graph and shown in its "Convert" menu in this order.
enum Conversion : int {
    ConversionNone = 0,
    ConversionRadToDeg = 1,
    ConversionMToMm = 2,
    ConversionMmToM = 3,
    ConversionMpsToKnots = 4,
    ConversionKnotsToMps = 5,
    ConversionKmhToKnots = 6,
    ConversionKnotsToKmh = 7,
    ConversionMpsToKmh = 8,
};

constexpr int ConversionCount = 9;

// The converted value in single precision; an unknown code converts nothing.
float convertValue(int conversion, float value);

// The untranslated menu text of a code ("None", "Rad -> Deg", ...); empty for an unknown code.
// Translate it in the caller's context.
const char* conversionName(int conversion);

// One step of the running low-pass filter: moves `previous` 1/strength of the way to `value`.
// A strength of 1 or less stores `value` exactly (so a bad setting never divides by zero), and so
// does a previous value that is not finite.
float lowPassStep(float previous, float value, int strength);

} // namespace JVX
