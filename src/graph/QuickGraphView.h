#pragma once

#include "KEOUI64/IRepaintable.h"
#include "platform/Locks.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPoint>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>

namespace JVX {

class GraphSource;
class GraphWidgetRepainter;
class GraphWindow;

// The small live graph placed beside a block of the editor's diagrams (QML type
// JVX_QuickGraphView). It owns the GraphSource of its signal; showBiggerView() opens a separate
// GraphWindow that shows the same source with every option of the plotting widget.
//
// Threads: deliverSamples() is called on the host's delivery thread, everything else on the GUI
// thread (paint() possibly on the Qt Quick render thread while the GUI thread waits). A delivery
// takes the source's data lock and no other: every paint holds that lock too while it reads the
// series, which keeps the two apart with one lock per step. The paint lock orders painting against
// teardown; the only lock order is paint lock, then data lock.
//
// Teardown: the destructor makes the source refuse further steps, which waits for a delivery in
// progress, then marks the item dead under the paint lock, which waits for a paint in progress.
// The source is deleted with the item's children, after the destructor's body, so a delivery
// that comes meanwhile still finds it, takes its lock and returns without storing anything.
// Callers must still stop delivering before the destructor has returned (the live feed forgets
// its items before the view is unloaded): no object can guard calls made through a pointer to
// freed memory.
class QuickGraphView : public QQuickPaintedItem, public IRepaintable {
    Q_OBJECT
    Q_PROPERTY(QStringList captions READ captions WRITE setCaptions NOTIFY captionsChanged)
    Q_PROPERTY(float borderRadius READ borderRadius WRITE setBorderRadius NOTIFY radiusChanged)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool displayDetails READ displayDetails WRITE setDisplayDetails NOTIFY
                   displayDetailsChanged)

public:
    // At most this many captions are kept; further entries of a caption list are ignored.
    static constexpr int maxCaptions = 6;

    explicit QuickGraphView(QQuickItem* parent = nullptr);
    ~QuickGraphView() override;

    // The source's caption list.
    QStringList captions() const;
    // Captions 0..5 of the source become the first six entries; emits nothing.
    void setCaptions(const QStringList& captions);

    float borderRadius() const { return m_borderRadius; }
    void setBorderRadius(float radius);

    QColor borderColor() const { return m_borderPen.color(); }
    void setBorderColor(const QColor& color);

    QString title() const { return m_title; }
    void setTitle(const QString& title);

    bool displayDetails() const { return m_displayDetails; }
    void setDisplayDetails(bool display);

    // One step of `count` values; a timestamp of 0 makes the source use its own clock. Any thread.
    void deliverSamples(int count, const float* values, std::uint64_t timestampMs);

    // Repaints the item when a step arrived since its last paint, and any open bigger view.
    void repaint() override;
    void setFrozen(bool frozen) override;

    void paint(QPainter* painter) override;

    // Opens the plotting window at the cursor, or brings back the one already open.
    Q_INVOKABLE void showBiggerView();
    // Lets the view files ask for a repaint() on the next beat.
    Q_INVOKABLE void repaintRequested();

    // The owned source; it lives as long as the item.
    GraphSource* source() const { return m_source; }
    // The plotting window opened from this item, if it is still open.
    GraphWindow* biggerView() const;
    // True between a delivered step and the next paint.
    bool needsRepaint() const { return m_needsRepaint.load(std::memory_order_relaxed); }

signals:
    void captionsChanged();
    void radiusChanged();
    void borderColorChanged();
    void titleChanged();
    void displayDetailsChanged();

protected:
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void bringBackBiggerView();
    void openBiggerView();

    void forwardFreezeShortcut(QWidget* window);

    bool m_hovered = false;
    QPoint m_hoverPoint;
    // Serialises painting with the start of teardown.
    mutable CriticalSectionLock m_paintLock;
    // Set under m_paintLock when destruction begins; read under it by paints.
    bool m_dead = false;
    // Written by deliveries, read and cleared on the GUI thread.
    std::atomic<bool> m_needsRepaint{true};
    bool m_displayDetails = true;
    float m_borderRadius = 0.0f;
    // Qt child of the item, set once by the constructor: deliveries read it without a lock.
    GraphSource* const m_source;
    QPen m_borderPen;
    QBrush m_fillBrush;
    QPointer<GraphWindow> m_biggerView;
    QString m_title;
    // The host's repaint scheduler this item is registered with, if any.
    QPointer<GraphWidgetRepainter> m_repainter;

    friend bool registerWithRepainter(GraphWidgetRepainter* repainter, QuickGraphView* item);
};

// Hands `item` to the host's repaint scheduler, as the graph to repaint and as the owner object
// whose destruction retires the entry. False when either is null. The item's bigger view then
// passes the host's freeze shortcut, Ctrl+Shift+F, on to the scheduler, which freezes or thaws
// every graph as it does when the shortcut is pressed in the editor.
bool registerWithRepainter(GraphWidgetRepainter* repainter, QuickGraphView* item);

} // namespace JVX
