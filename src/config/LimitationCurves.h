#pragma once

#include "KeoEnums.h"

// The transfer curve of a limitation type: output for input x, maximum m, factor a and gain k.
using LimitationFunction = float (*)(float x, float m, float a, float k);

LimitationFunction getLimitationFunction(KEOLimitationType::Enum type);
