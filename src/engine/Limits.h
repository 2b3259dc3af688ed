#pragma once

#include "config/LimitationCurves.h"

// A limitation block: one of the project's limitation curves with its maximum and factor. Input
// limitations use the curve as it is; output limitations also hold the result within the maximum,
// whatever the curve type, so nothing leaves a path beyond its share of the work envelope.
namespace engine {

struct LimitCurve {
    LimitationFunction curve = nullptr;
    float maximum = 0.0f;
    float factor = 1.0f;
    bool bounded = false;
};

// Input limitation of a path: maximum in the signal's unit, as the editor draws the curve.
LimitCurve inputLimit(KEOLimitationType::Enum type, float maximum, float factor);
// Output limitation: maximum = maxValueFactor percent of the envelope value (negative or
// non-finite parts count as 0).
LimitCurve outputLimit(KEOLimitationType::Enum type, float maxValueFactor, float factor,
                       double envelopeValue);

// Applies the limitation; a non-finite result becomes 0.
double apply(const LimitCurve& limit, double x);

} // namespace engine
