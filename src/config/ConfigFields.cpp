#include "ConfigFields.h"

#include <cmath>

namespace {

struct FiniteCheck {
    bool finite = true;

    void operator()(const FloatPair& pair) {
        finite = finite && std::isfinite(pair[0]) && std::isfinite(pair[1]);
    }
    void operator()(bool) {}
    void operator()(KEOFilterType::Enum) {}
    void operator()(KEOLimitationType::Enum) {}
};

} // namespace

bool allFloatsFinite(const Config& config) {
    // The visitor walks mutable records; a copy keeps the caller's record untouched.
    Config copy = config;
    FiniteCheck check;
    ConfigFields::visit(copy, check);
    return check.finite;
}
