#include "ScreenScale.h"

#include <mutex>
#include <windows.h>

namespace {

constexpr int unscaledPercentage = 100;

// DEVICE_SCALE_FACTOR is an enumeration whose values are the percentages themselves.
using ScaleFactorForMonitor = HRESULT(WINAPI*)(HMONITOR, int*);

// Looked up at run time: Shcore.dll and the function exist from Windows 8.1 on only.
ScaleFactorForMonitor scaleFactorForMonitor() {
    static ScaleFactorForMonitor function = nullptr;
    static std::once_flag lookedUp;
    std::call_once(lookedUp, [] {
        // Loaded for the life of the process, which keeps the address valid.
        if (const HMODULE shcore = ::LoadLibraryW(L"Shcore.dll"))
            function = reinterpret_cast<ScaleFactorForMonitor>(
                reinterpret_cast<void*>(::GetProcAddress(shcore, "GetScaleFactorForMonitor")));
    });
    return function;
}

} // namespace

int systemScalePercentage() {
    const ScaleFactorForMonitor function = scaleFactorForMonitor();
    if (!function)
        return unscaledPercentage;
    const HMONITOR monitor = ::MonitorFromWindow(::GetDesktopWindow(), MONITOR_DEFAULTTOPRIMARY);
    int percent = unscaledPercentage;
    if (FAILED(function(monitor, &percent)))
        return unscaledPercentage;
    return percent;
}
