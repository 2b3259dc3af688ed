#include "GraphWindow.h"

#include "GraphWidget.h"
#include "platform/WindowGestures.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMoveEvent>
#include <QResizeEvent>
#include <cmath>

namespace JVX {

namespace {

// Base sizes of a bigger view before snapping: the minimum becomes 288 x 96, the first size
// 352 x 160.
const QSize baseMinimumSize(300, 100);
const QSize baseInitialSize(350, 150);
constexpr int layoutMargin = 2;

} // namespace

int snapToGrid(int value) {
    // lround, unlike qRound, rounds negative halves away from zero too.
    return int(std::lround(double(value) / GraphWindow::grid)) * GraphWindow::grid;
}

QSize snapToGrid(const QSize& size) {
    return QSize(snapToGrid(size.width()), snapToGrid(size.height()));
}

QPoint snapToGrid(const QPoint& point) {
    return QPoint(snapToGrid(point.x()), snapToGrid(point.y()));
}

GraphWindow::GraphWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(defaultSettleDelayMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &GraphWindow::userMoveOrResizeFinished);
}

GraphWidget* GraphWindow::graphWidget() const {
    return m_graphWidget;
}

void GraphWindow::setGraphWidget(GraphWidget* widget) {
    m_graphWidget = widget;
}

void GraphWindow::userMoveOrResizeStarted() {
    m_moveState = Idle;
    m_resizeState = Idle;
}

void GraphWindow::userMoveOrResizeFinished() {
    m_settleTimer.stop();
    // When a snap changes nothing no event will come back for it, so the state returns to idle at
    // once; otherwise the user's next drag would be taken for the snap's own event.
    if (m_moveState == Idle) {
        m_moveState = SnappingAfterUser;
        if (!snapPosition(SnappingAfterUser))
            m_moveState = Idle;
    }
    if (m_resizeState == Idle) {
        m_resizeState = SnappingAfterUser;
        if (!snapSize(SnappingAfterUser))
            m_resizeState = Idle;
    }
}

bool GraphWindow::nativeEvent(const QByteArray& eventType, void* message, long* result) {
    const bool handled = QWidget::nativeEvent(eventType, message, result);
    switch (windowGestureOf(eventType.constData(), message)) {
    case WindowGesture::MoveOrResizeStarted:
        m_systemReportsGestures = true;
        m_settleTimer.stop();
        userMoveOrResizeStarted();
        break;
    case WindowGesture::MoveOrResizeFinished:
        userMoveOrResizeFinished();
        break;
    case WindowGesture::None:
        break;
    }
    return handled;
}

void GraphWindow::noteGeometryEvent() {
    if (m_systemReportsGestures)
        return;
    if (!m_settleTimer.isActive())
        userMoveOrResizeStarted();
    m_settleTimer.start();
}

bool GraphWindow::snapPosition(int tag) {
    const QPoint snapped = snapToGrid(pos());
    if (snapped == pos())
        return false;
    m_moveState = tag;
    move(snapped);
    return true;
}

bool GraphWindow::snapSize(int tag) {
    const QSize snapped = snapToGrid(size());
    if (snapped == size())
        return false;
    m_resizeState = tag;
    resize(snapped);
    return true;
}

void GraphWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (m_moveState == SnappingAfterUser) {
        snapPosition(SnappingFromEvent);
        m_moveState = Idle;
    } else if (m_moveState == Idle) {
        noteGeometryEvent();
    }
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_resizeState == SnappingFromEvent)
        return; // the nested resize of a snap
    if (m_resizeState == SnappingAfterUser) {
        snapSize(SnappingFromEvent);
        m_resizeState = Idle;
    } else {
        noteGeometryEvent();
    }
    emit sizeChanged(this, size());
}

GraphWindow* buildBiggerView(const QString& title, GraphSource* source, QWidget* parent,
                             bool bigView) {
    // Parentless at first; the layout below makes the window its Qt parent.
    auto* widget = new GraphWidget(nullptr, source, bigView);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* window = new GraphWindow(parent, Qt::Window);
    window->setWindowTitle(title);
    window->setMinimumSize(snapToGrid(baseMinimumSize));
    window->resize(snapToGrid(baseInitialSize));
    window->setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(layoutMargin, layoutMargin, layoutMargin, layoutMargin);
    layout->addWidget(widget, 1);
    window->setGraphWidget(widget);
    return window;
}

void showAtCursor(QWidget* window) {
    const QPoint target = snapToGrid(QCursor::pos());
    window->move(target);
    window->show();
    // Showing may let the window manager place the window elsewhere.
    window->move(target);
}

} // namespace JVX
