#include "graph/QuickGraphView.h"

#include "graph/GraphSource.h"
#include "graph/GraphWidget.h"
#include "graph/GraphWindow.h"
#include "support/Eventually.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace JVX;

namespace {

// Paints the item into an image the way the scene graph would.
QImage paintItem(QuickGraphView& item) {
    QImage image(int(item.width()), int(item.height()), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    item.paint(&painter);
    return image;
}

class QuickGraphViewTest : public ::testing::Test {
protected:
    QuickGraphViewTest() { item->setSize(QSizeF(240, 120)); }

    std::unique_ptr<QuickGraphView> item = std::make_unique<QuickGraphView>();
};

TEST_F(QuickGraphViewTest, DeliveryFeedsTheSourceAndPaintingClearsTheFlag) {
    paintItem(*item);
    EXPECT_FALSE(item->needsRepaint());
    const float values[] = {1.5f, -2.0f};
    item->deliverSamples(2, values, 1000);
    EXPECT_TRUE(item->needsRepaint());
    EXPECT_EQ(item->source()->channelCount(), 2u);
    EXPECT_FLOAT_EQ(item->source()->sample(1, item->source()->sampleCount() - 1).value, -2.0f);
    EXPECT_EQ(item->source()->sample(0, 0).timestamp, 1000u);

    paintItem(*item);
    EXPECT_FALSE(item->needsRepaint());
}

TEST_F(QuickGraphViewTest, NothingIsDeliveredFrozenOrWithoutValues) {
    const float value = 1.0f;
    item->deliverSamples(-1, &value, 1000);
    item->deliverSamples(3, nullptr, 1000);
    static_cast<IRepaintable&>(*item).setFrozen(true);
    item->deliverSamples(1, &value, 1000);
    EXPECT_EQ(item->source()->channelCount(), 0u);
}

// One window at a time, on the item's source: options set in it stay when it closes, and it goes
// with the item.
TEST_F(QuickGraphViewTest, DoubleClickOpensTheBiggerViewAndAgainBringsItBack) {
    item->setTitle(QStringLiteral("Heave"));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(10, 10), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(item.get(), &doubleClick);
    QPointer<GraphWindow> window = item->biggerView();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Heave"));
    EXPECT_EQ(window->graphWidget()->source(), item->source());

    window->showMinimized();
    item->showBiggerView();
    EXPECT_EQ(item->biggerView(), window.data());
    EXPECT_FALSE(window->isMinimized());
    int graphWindows = 0;
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        graphWindows += qobject_cast<GraphWindow*>(topLevel) ? 1 : 0;
    EXPECT_EQ(graphWindows, 1);

    QTest::keyClick(window->graphWidget(), Qt::Key_8);
    window->close();
    EXPECT_TRUE(eventually([&] { return window.isNull(); }));
    EXPECT_EQ(item->source()->maxOnScreen(), 600u);
    item->showBiggerView();
    window = item->biggerView();
    ASSERT_FALSE(window.isNull());
    item.reset();
    EXPECT_TRUE(window.isNull());
}

TEST_F(QuickGraphViewTest, RepaintAlsoRepaintsAnOpenBiggerView) {
    item->setTitle(QStringLiteral("Roll"));
    item->showBiggerView();
    GraphWidget* widget = item->biggerView()->graphWidget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(item->biggerView()));
    widget->repaintNow();
    ASSERT_FALSE(widget->needsRepaint());
    const float value = 2.0f;
    item->deliverSamples(1, &value, 1000);
    EXPECT_TRUE(widget->needsRepaint());
    item->repaint();
    EXPECT_FALSE(widget->needsRepaint());
}

} // namespace
