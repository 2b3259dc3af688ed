#pragma once

#include <QtCore/qobjectdefs.h>

#include <cstdint>

// The three enumerations of the configuration record. Each lives inside a gadget of its own so the
// views can name the values (KEOFilterType.LowPass) while the record stays a plain value type.

struct KEOParamSet {
    Q_GADGET
public:
    enum Enum : std::int32_t { First = 0, Second = 1 };
    Q_ENUM(Enum)
};

struct KEOFilterType {
    Q_GADGET
public:
    enum Enum : std::int32_t { None = -1, HighPass = 0, LowPass = 1, HighPassDelta = 2, Count = 3 };
    Q_ENUM(Enum)
};

struct KEOLimitationType {
    Q_GADGET
public:
    enum Enum : std::int32_t { None = 0, Logistic = 1, Atan = 2, Gain = 3, Count = 4 };
    Q_ENUM(Enum)
};
