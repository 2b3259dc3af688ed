#pragma once

#include "Parameters.h"

#include <algorithm>
#include <cmath>

// Where a search moves a parameter: a coordinate in [0, 1] across its tuning range. Cutoffs are
// spread so that equal steps change them by about equal ratios above 0.05 Hz (the filters that
// matter sit between 0.05 and 5 Hz in ranges up to 30 Hz) and still reach 0; other values linearly.
namespace tune {

class Scale {
public:
    explicit Scale(const Parameter& parameter)
        : m_low(parameter.tuning.low)
        , m_span(parameter.tuning.high - parameter.tuning.low)
        , m_ratio(parameter.unit == configDescription::Unit::Hertz) {}

    // The value at a coordinate, to four significant digits, as a user would type it: a search
    // that ends a hair from an end of the range (1e-19 for 0) writes the end itself.
    double value(double coordinate) const {
        const double u = std::clamp(coordinate, 0.0, 1.0);
        const double above =
            m_ratio ? knee * std::expm1(u * std::log1p(m_span / knee)) : u * m_span;
        if (above < resolution * m_span)
            return m_low;
        if (above > (1.0 - resolution) * m_span)
            return m_low + m_span;
        return significant(m_low + above);
    }

    double coordinate(double value) const {
        const double above = std::clamp(value - m_low, 0.0, m_span);
        if (m_span <= 0.0)
            return 0.0;
        return m_ratio ? std::log1p(above / knee) / std::log1p(m_span / knee) : above / m_span;
    }

private:
    static constexpr double knee = 0.05; // Hz
    static constexpr double resolution = 1e-6;

    static double significant(double value) {
        if (value == 0.0)
            return 0.0;
        const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::fabs(value))));
        return std::round(value * scale) / scale;
    }

    double m_low, m_span;
    bool m_ratio;
};

} // namespace tune
