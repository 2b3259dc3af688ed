#include "ScreenScale.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

constexpr int unscaledPercentage = 100;

struct ScaleSetting {
    int percent;
    float factor;
};

// The settings the display control panel offers; anything else is treated as unscaled.
constexpr ScaleSetting scaleSettings[] = {
    {120, 1.2f},  {125, 1.25f}, {140, 1.4f}, {150, 1.5f},  {160, 1.6f},
    {175, 1.75f}, {180, 1.8f},  {200, 2.0f}, {225, 2.25f}, {250, 2.5f},
    {300, 3.0f},  {350, 3.5f},  {400, 4.0f}, {450, 4.5f},  {500, 5.0f},
};

std::atomic<ScalePercentageProvider> installedProvider{&systemScalePercentage};

bool parseWholeNumber(const char* text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

ScalePercentageProvider setScalePercentageProvider(ScalePercentageProvider provider) {
    return installedProvider.exchange(provider ? provider : &systemScalePercentage);
}

int environmentScalePercentage() {
    const char* text = std::getenv("KEO_SCALE_PERCENT");
    int percent = unscaledPercentage;
    if (text && parseWholeNumber(text, percent))
        return percent;
    return unscaledPercentage;
}

float scaleFactorForPercentage(int percent) {
    for (const ScaleSetting& setting : scaleSettings) {
        if (setting.percent == percent)
            return setting.factor;
    }
    return 1.0f;
}

float screenScaleFactor() {
    return scaleFactorForPercentage(installedProvider.load()());
}
