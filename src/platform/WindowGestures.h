#pragma once

// The start and the end of the user's interactive move or resize of a window, as the windowing
// system reports them in its native messages. Windows sends one message when the user starts
// dragging a window's title bar or frame and one when the button is released; other windowing
// systems tell a Qt window nothing of the kind, and windows there infer the end from a pause in
// their move and resize events instead.

enum class WindowGesture { None, MoveOrResizeStarted, MoveOrResizeFinished };

// What the native message of a QWidget::nativeEvent() call (its event type and message) says;
// None for every other message and on systems without such messages.
WindowGesture windowGestureOf(const char* eventType, const void* message);
