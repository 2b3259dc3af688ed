#include "LimitationCurves.h"

#include <cmath>

namespace {

// All curves stay in single precision: the editor draws what the algorithm computes.

// m * tanh(x * a * k / m), written with exp; the small offset keeps a zero maximum finite.
float logistic(float x, float m, float a, float k) {
    return m * (1.0f - 2.0f / (std::exp(2.0f * x * a * k / (m + 0.000001f)) + 1.0f));
}

// 0.63661975 is 2 / pi, so the curve approaches +-m.
float arcTangent(float x, float m, float a, float k) {
    return std::atan(x * a * k) * (m * 0.63661975f);
}

float clippedGain(float x, float m, float a, float k) {
    const float y = x * a * k;
    if (-m > y) {
        return -m;
    }
    return y < m ? y : m;
}

float passThrough(float x, float, float, float k) {
    return x * k;
}

} // namespace

LimitationFunction getLimitationFunction(KEOLimitationType::Enum type) {
    switch (type) {
    case KEOLimitationType::Logistic:
        return logistic;
    case KEOLimitationType::Atan:
        return arcTangent;
    case KEOLimitationType::Gain:
        return clippedGain;
    default:
        return passThrough;
    }
}
