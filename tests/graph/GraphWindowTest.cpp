#include "graph/GraphWindow.h"

#include "support/Eventually.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <utility>

using namespace JVX;

namespace {

QSize spiedSize(const QSignalSpy& spy, int i) {
    return spy.at(i).at(1).toSize();
}

// Positive values, and the sizes, in the drag and resize cases below.
TEST(GraphWindowGrid, RoundsToTheNearestMultipleOf32HalvesAwayFromZero) {
    EXPECT_EQ(snapToGrid(111), 96);
    EXPECT_EQ(snapToGrid(112), 128);
    EXPECT_EQ(snapToGrid(-15), 0);
    EXPECT_EQ(snapToGrid(-16), -32);
}

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setGeometry(64, 64, 320, 160);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Showing counts as a gesture of its own; let it settle before the test's drag.
        window.userMoveOrResizeFinished();
        ASSERT_EQ(window.moveState(), GraphWindow::Idle);
        ASSERT_EQ(window.resizeState(), GraphWindow::Idle);
        ASSERT_EQ(window.pos(), QPoint(64, 64));
    }

    GraphWindow window;
};

// Every drag is followed, not snapped at its first event, also after one that ended aligned and
// so had nothing to snap.
TEST_F(GraphWindowTest, DragSettlesOnTheNearestGridPoint) {
    for (const auto& [reported, settled] : {std::pair{QPoint(100, 70), QPoint(96, 64)},
                                            {QPoint(128, 96), QPoint(128, 96)},
                                            {QPoint(140, 100), QPoint(128, 96)},
                                            {QPoint(112, 112), QPoint(128, 128)}}) {
        SCOPED_TRACE(std::to_string(reported.x()) + "," + std::to_string(reported.y()));
        window.move(reported); // what the window system reports during a user drag
        EXPECT_TRUE(window.userGestureActive());
        EXPECT_EQ(window.pos(), reported);
        window.userMoveOrResizeFinished();
        EXPECT_EQ(window.pos(), settled);
        EXPECT_EQ(window.moveState(), GraphWindow::Idle);
        EXPECT_FALSE(window.userGestureActive());
    }
}

TEST_F(GraphWindowTest, EveryResizeOfAUserDragEmitsThenTheSnappedSizeOnce) {
    QSignalSpy sizes(&window, &GraphWindow::sizeChanged);
    window.resize(330, 170);
    window.resize(340, 175);
    ASSERT_EQ(sizes.count(), 2);
    EXPECT_EQ(spiedSize(sizes, 0), QSize(330, 170));
    EXPECT_EQ(spiedSize(sizes, 1), QSize(340, 175));
    EXPECT_EQ(qvariant_cast<QWidget*>(sizes.at(0).at(0)), &window);

    window.userMoveOrResizeFinished();
    EXPECT_EQ(window.size(), QSize(352, 160));
    ASSERT_EQ(sizes.count(), 3);
    EXPECT_EQ(spiedSize(sizes, 2), QSize(352, 160));
    EXPECT_EQ(window.resizeState(), GraphWindow::Idle);
}

// Answers the first settling resize with a size of its own, as a window manager enforcing a frame
// constraint would: the window then snaps again from inside that resize event.
class OverridingWindowSystem : public GraphWindow {
public:
    QSize imposed;
    int silentNestedResizes = 0;

protected:
    void resizeEvent(QResizeEvent* event) override {
        if (resizeState() == SnappingFromEvent)
            ++silentNestedResizes;
        if (imposed.isValid() && resizeState() == SnappingAfterUser) {
            const QSize size = std::exchange(imposed, QSize());
            QWidget::resize(size); // replaces this event by one reporting `size`
            return;
        }
        GraphWindow::resizeEvent(event);
    }
};

TEST(GraphWindowSnapping, NestedResizeOfASnapEmitsNothing) {
    OverridingWindowSystem window;
    window.setGeometry(64, 64, 320, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.userMoveOrResizeFinished();

    window.resize(330, 170);
    window.imposed = QSize(300, 170);
    QSignalSpy sizes(&window, &GraphWindow::sizeChanged);
    window.userMoveOrResizeFinished();

    EXPECT_EQ(window.silentNestedResizes, 1);
    ASSERT_EQ(sizes.count(), 1);
    EXPECT_EQ(spiedSize(sizes, 0), QSize(288, 160));
    EXPECT_EQ(window.size(), QSize(288, 160));
    EXPECT_EQ(window.resizeState(), GraphWindow::Idle);
}

} // namespace
