// The graph window on Windows: the end of the user's move or resize comes from the system's
// messages, so the window snaps at once instead of after a pause.
#include "graph/GraphWindow.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Delivers native messages the way Qt's Windows platform does.
class NativeGraphWindow : public JVX::GraphWindow {
public:
    void deliver(UINT messageId) {
        MSG message{};
        message.message = messageId;
        long result = 0;
        nativeEvent("windows_generic_MSG", &message, &result);
    }
};

TEST(GraphWindowNative, SnapsWhenTheSystemReportsTheEndOfTheDrag) {
    NativeGraphWindow window;
    window.resize(352, 160);
    window.show();
    window.deliver(WM_ENTERSIZEMOVE);
    window.move(100, 112);
    window.resize(340, 170);
    QApplication::processEvents();
    EXPECT_FALSE(window.userGestureActive()) << "no pause is waited for";
    EXPECT_EQ(window.pos(), QPoint(100, 112)) << "nothing snaps while the user drags";

    window.deliver(WM_EXITSIZEMOVE);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(96, 128));
    EXPECT_EQ(window.size(), QSize(352, 160));
    EXPECT_EQ(window.moveState(), JVX::GraphWindow::Idle);
    EXPECT_EQ(window.resizeState(), JVX::GraphWindow::Idle);
}

} // namespace
