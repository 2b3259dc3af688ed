// Ctrl+Shift+F, the host's shortcut that freezes every graph, once worked only while the editor's
// window had focus, not in the plotting window where the user is looking.
#include "KEOUI64/GraphWidgetRepainter.h"
#include "graph/GraphSource.h"
#include "graph/GraphWidget.h"
#include "graph/GraphWindow.h"
#include "graph/QuickGraphView.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace JVX;

namespace {

void pressFreezeShortcut(GraphWindow& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.graphWidget(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
}

TEST(FreezeShortcut, InTheBiggerViewTogglesTheHostsFreezeForEveryGraph) {
    GraphWidgetRepainter repainter;
    auto shown = std::make_unique<QuickGraphView>();
    QuickGraphView other;
    ASSERT_TRUE(registerWithRepainter(&repainter, shown.get()));
    ASSERT_TRUE(registerWithRepainter(&repainter, &other));
    shown->setTitle(QStringLiteral("Sway"));
    shown->showBiggerView();
    GraphWindow* window = shown->biggerView();
    ASSERT_NE(window, nullptr);

    pressFreezeShortcut(*window);
    EXPECT_TRUE(repainter.isFrozen());
    // What the host's scheduler then does on its next beat.
    repainter.forEachGraph([&](IRepaintable& graph) { graph.setFrozen(repainter.isFrozen()); });
    EXPECT_TRUE(other.source()->frozen());

    pressFreezeShortcut(*window);
    EXPECT_FALSE(repainter.isFrozen());
    // A destroyed item is no longer visited.
    shown.reset();
    int visited = 0;
    repainter.forEachGraph([&visited](IRepaintable&) { ++visited; });
    EXPECT_EQ(visited, 1);
}

} // namespace
