#include "Limits.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

float finiteOrZero(double value) {
    return std::isfinite(value) ? float(value) : 0.0f;
}

} // namespace

LimitCurve inputLimit(KEOLimitationType::Enum type, float maximum, float factor) {
    // The editor draws a maximum this close to 0 as 0.000001; the engine does what it shows.
    const float m = std::fabs(maximum) <= 0.00001f ? 0.000001f : maximum;
    return LimitCurve{getLimitationFunction(type), finiteOrZero(m), finiteOrZero(factor), false};
}

LimitCurve outputLimit(KEOLimitationType::Enum type, float maxValueFactor, float factor,
                       double envelopeValue) {
    const double envelope = std::isfinite(envelopeValue) ? std::fabs(envelopeValue) : 0.0;
    const double percent = std::isfinite(maxValueFactor) ? std::max(0.0f, maxValueFactor) : 0.0;
    return LimitCurve{getLimitationFunction(type), finiteOrZero(percent / 100.0 * envelope),
                      finiteOrZero(factor), true};
}

double apply(const LimitCurve& limit, double x) {
    if (!limit.curve || !std::isfinite(x))
        return 0.0;
    // The curves compute in single precision, as the editor evaluates them.
    const float input = float(std::clamp(x, -1.0e30, 1.0e30));
    double y = limit.curve(input, limit.maximum, limit.factor, 1.0f);
    if (!std::isfinite(y))
        return 0.0;
    if (limit.bounded)
        y = std::clamp(y, -double(limit.maximum), double(limit.maximum));
    return y;
}

} // namespace engine
