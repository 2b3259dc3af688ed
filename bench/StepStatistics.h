#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The value below which `fraction` of the measured times lie (0.5 for the median); 0 for none.
inline double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0.0;
    const auto at = values.begin() + std::ptrdiff_t(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}
