#include "ConfigFields.h"

#include <cmath>

bool allFloatsFinite(const Config& config) {
    using namespace configDescription;
    const char* const base = reinterpret_cast<const char*>(&config);
    bool finite = true;
    forEachValue(record(), [&](const Entry& entry, std::size_t offset) {
        if (entry.kind != Kind::Number)
            return;
        const auto& pair = *reinterpret_cast<const FloatPair*>(base + offset);
        finite = finite && std::isfinite(pair[0]) && std::isfinite(pair[1]);
    });
    return finite;
}
