#pragma once

#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>

namespace JVX {

class GraphSource;
class GraphWidget;

// The separate top-level window of a bigger view: one GraphWidget on a borrowed source. After the
// user moves or resizes it, every edge settles on a 32-pixel grid, so that several graph windows
// line up.
//
// Windowing systems do not tell a Qt widget when an interactive move or resize starts or ends, so
// the window infers it: the first move or resize event while it is idle starts a user gesture,
// and a gesture ends once no further move or resize event has come for settleDelayMs(). Then the
// position and the size are snapped. The snap's own move or resize is recognised through the move
// and resize states below and never starts another gesture.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    // States of moving and of resizing: idle, snapping inside a move or resize event, and
    // snapping after the user finished.
    enum SnapState : int { Idle = 0, SnappingFromEvent = 1, SnappingAfterUser = 2 };

    static constexpr int grid = 32;
    static constexpr int defaultSettleDelayMs = 250;

    explicit GraphWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // The plotting widget placed in the window by buildBiggerView(); null for a bare window.
    GraphWidget* graphWidget() const;
    void setGraphWidget(GraphWidget* widget);

    int moveState() const { return m_moveState; }
    int resizeState() const { return m_resizeState; }
    bool userGestureActive() const { return m_settleTimer.isActive(); }

    int settleDelayMs() const { return m_settleTimer.interval(); }
    void setSettleDelayMs(int ms) { m_settleTimer.setInterval(ms); }

    // What the window does when the user starts and finishes dragging or resizing it; called by
    // the gesture detection, public so that a platform integration that knows better can call
    // them directly.
    void userMoveOrResizeStarted();
    void userMoveOrResizeFinished();

signals:
    // Every user-driven or settled size; not emitted for the nested resize of a snap.
    void sizeChanged(QWidget* caller, QSize size);

protected:
    // Where the system reports the end of the user's move or resize (Windows), that replaces the
    // inference from a pause.
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void noteGeometryEvent();
    // Both return whether the window was moved or resized.
    bool snapPosition(int tag);
    bool snapSize(int tag);

    int m_moveState = Idle;
    int m_resizeState = Idle;
    QTimer m_settleTimer;
    bool m_systemReportsGestures = false;
    QPointer<GraphWidget> m_graphWidget;
};

// The nearest multiple of the window grid, halves away from zero (100 -> 96, 112 -> 128).
int snapToGrid(int value);
QSize snapToGrid(const QSize& size);
QPoint snapToGrid(const QPoint& point);

// Builds the plotting window for `source`: a GraphWidget (built with `bigView`) in a GraphWindow
// with the given parent and title, minimum size 288 x 96, size 352 x 160, deleted when closed.
// The window is not shown.
GraphWindow* buildBiggerView(const QString& title, GraphSource* source, QWidget* parent,
                             bool bigView);

// Moves `window` to the cursor position snapped to the grid and shows it.
void showAtCursor(QWidget* window);

} // namespace JVX
