#pragma once

#include "KeoEnums.h"

// The three processing blocks every path of the configuration is built from. All are plain values:
// zeroed they mean cutoffs 0 with a high-pass filter, and factors 0 with no limitation.

// One tunable number, held once per parameter set and indexed by KEOParamSet::Enum.
struct FloatPair {
    float values[2];

    float& operator[](int index) { return values[index]; }
    const float& operator[](int index) const { return values[index]; }

    static FloatPair both(float value) { return FloatPair{{value, value}}; }
};

struct FilterConfig {
    FloatPair cutoff;      // Hz
    FloatPair cutoffStart; // Hz, sharpness 0
    FloatPair cutoffEnd;   // Hz, sharpness 2.5
    KEOFilterType::Enum type;
};

// Output limit of a path; maxValueFactor is a percentage of the platform's work envelope.
struct Limitation {
    FloatPair limitationFactor;
    KEOLimitationType::Enum type;
    FloatPair maxValueFactor;
};

// Input limit of a path; maxValue is in the unit of the limited signal.
struct SignalLimitation {
    FloatPair maxValue;
    FloatPair limitationFactor;
    KEOLimitationType::Enum type;
};
