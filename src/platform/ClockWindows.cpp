#include "Clock.h"

#include <mutex>
#include <windows.h>

namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

// Looked up at run time: older systems lack it, and the 32-bit count is the last resort.
TickCount64 tickCount64() {
    static TickCount64 function = nullptr;
    static std::once_flag lookedUp;
    std::call_once(lookedUp, [] {
        if (const HMODULE kernel = ::GetModuleHandleW(L"kernel32"))
            function = reinterpret_cast<TickCount64>(
                reinterpret_cast<void*>(::GetProcAddress(kernel, "GetTickCount64")));
    });
    return function;
}

struct CounterFrequency {
    bool available = false;
    std::int64_t countsPerSecond = 0;
};

const CounterFrequency& counterFrequency() {
    static const CounterFrequency frequency = [] {
        CounterFrequency result;
        result.available =
            highResolutionCounter::frequency(result.countsPerSecond) && result.countsPerSecond > 0;
        return result;
    }();
    return frequency;
}

} // namespace

namespace highResolutionCounter {

bool frequency(std::int64_t& countsPerSecond) {
    LARGE_INTEGER value{};
    if (!::QueryPerformanceFrequency(&value))
        return false;
    countsPerSecond = value.QuadPart;
    return true;
}

bool read(std::int64_t& count) {
    LARGE_INTEGER value{};
    if (!::QueryPerformanceCounter(&value))
        return false;
    count = value.QuadPart;
    return true;
}

} // namespace highResolutionCounter

std::uint64_t millisecondClock() {
    const CounterFrequency& frequency = counterFrequency();
    std::int64_t count = 0;
    if (frequency.available && highResolutionCounter::read(count))
        return static_cast<std::uint64_t>(
            highResolutionCounter::toMilliseconds(count, frequency.countsPerSecond));
    if (const TickCount64 function = tickCount64())
        return function();
    return ::GetTickCount();
}
