#pragma once

#include <cmath>

namespace engine {

// The sample of largest magnitude of a signal, with its sign, and when it happened.
struct Peak {
    double value = 0.0;
    double seconds = 0.0;

    double magnitude() const { return std::fabs(value); }
    void offer(double sample, double at) {
        if (std::fabs(sample) > magnitude()) {
            value = sample;
            seconds = at;
        }
    }
};

} // namespace engine
