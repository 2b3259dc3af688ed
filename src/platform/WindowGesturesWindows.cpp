#include "WindowGestures.h"

#include <cstring>
#include <windows.h>

WindowGesture windowGestureOf(const char* eventType, const void* message) {
    // Qt's Windows platform hands a MSG with either of these types; other platforms' native events
    // (an offscreen window has none) carry other structures.
    const bool isWindowsMessage =
        eventType && (std::strcmp(eventType, "windows_generic_MSG") == 0 ||
                      std::strcmp(eventType, "windows_dispatcher_MSG") == 0);
    if (!isWindowsMessage || !message)
        return WindowGesture::None;
    switch (static_cast<const MSG*>(message)->message) {
    case WM_ENTERSIZEMOVE:
        return WindowGesture::MoveOrResizeStarted;
    case WM_EXITSIZEMOVE:
        return WindowGesture::MoveOrResizeFinished;
    default:
        return WindowGesture::None;
    }
}
