#include "QuickGraphView.h"

#include "GraphSource.h"
#include "GraphWidget.h"
#include "GraphWindow.h"
#include "KEOUI64/GraphWidgetRepainter.h"

#include <QPainter>
#include <QQuickWindow>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

namespace JVX {

namespace {

const QColor defaultBorderColor(160, 196, 211);
const QKeySequence freezeShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
constexpr int borderWidth = 2;

} // namespace

QuickGraphView::QuickGraphView(QQuickItem* parent)
    : QQuickPaintedItem(parent)
    , m_source(new GraphSource(this))
    , m_borderPen(defaultBorderColor, borderWidth)
    , m_fillBrush(defaultBorderColor) {
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
}

QuickGraphView::~QuickGraphView() {
    // The window borrows the source, so it goes first.
    delete m_biggerView.data();
    // Waits for a delivery in progress; later ones find the source refusing steps. The source
    // itself goes with the item's children, after this body, so that they still find it.
    m_source->refuseFurtherSamples();
    // Waits for a paint in progress on the render thread; later ones find the item dead.
    ScopedLock lock(m_paintLock);
    m_dead = true;
}

GraphWindow* QuickGraphView::biggerView() const {
    return m_biggerView;
}

QStringList QuickGraphView::captions() const {
    return m_source->captions();
}

void QuickGraphView::setCaptions(const QStringList& captions) {
    const int kept = std::min(int(captions.size()), maxCaptions);
    for (int i = 0; i < kept; ++i)
        m_source->setCaption(captions[i], i);
}

void QuickGraphView::setBorderRadius(float radius) {
    if (m_borderRadius == radius)
        return;
    m_borderRadius = radius;
    emit radiusChanged();
}

void QuickGraphView::setBorderColor(const QColor& color) {
    if (m_borderPen.color() == color)
        return;
    m_borderPen.setColor(color);
    emit borderColorChanged();
}

void QuickGraphView::setTitle(const QString& title) {
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}

void QuickGraphView::setDisplayDetails(bool display) {
    if (m_displayDetails == display)
        return;
    m_displayDetails = display;
    emit displayDetailsChanged();
}

void QuickGraphView::deliverSamples(int count, const float* values, std::uint64_t timestampMs) {
    if (count < 0 || (count > 0 && !values))
        return;
    // The source's data lock alone keeps the step apart from painting and from teardown.
    // repaintNow false: this thread only flags the views; the GUI thread repaints them.
    m_source->addSamples(std::uint32_t(count), values, false, timestampMs);
    m_needsRepaint.store(true, std::memory_order_relaxed);
}

void QuickGraphView::repaint() {
    if (m_needsRepaint.load(std::memory_order_relaxed))
        update();
    m_source->repaintDirtyWidgets();
}

void QuickGraphView::setFrozen(bool frozen) {
    m_source->setFrozen(frozen);
}

void QuickGraphView::repaintRequested() {
    repaint();
}

void QuickGraphView::paint(QPainter* painter) {
    if (!painter)
        return;
    ScopedLock lock(m_paintLock);
    if (m_dead)
        return;
    painter->setPen(m_borderPen);
    painter->setBrush(m_fillBrush);
    painter->drawRoundedRect(boundingRect(), m_borderRadius, m_borderRadius, Qt::AbsoluteSize);
    m_source->paintGraph(*painter, m_fillBrush, int(width()), int(height()), m_hoverPoint,
                         m_hovered, m_displayDetails, QPoint(0, 0), false);
    m_needsRepaint.store(false, std::memory_order_relaxed);
}

void QuickGraphView::hoverEnterEvent(QHoverEvent* event) {
    m_hoverPoint = event->pos();
    m_hovered = true;
    update();
}

void QuickGraphView::hoverMoveEvent(QHoverEvent* event) {
    if (!m_hovered)
        return;
    m_hoverPoint = event->pos();
    update();
}

void QuickGraphView::hoverLeaveEvent(QHoverEvent* event) {
    m_hoverPoint = event->pos();
    m_hovered = false;
    update();
}

void QuickGraphView::mouseDoubleClickEvent(QMouseEvent* event) {
    QQuickPaintedItem::mouseDoubleClickEvent(event);
    showBiggerView();
}

void QuickGraphView::showBiggerView() {
    if (m_biggerView)
        bringBackBiggerView();
    else
        openBiggerView();
}

void QuickGraphView::bringBackBiggerView() {
    m_biggerView->showNormal();
    m_biggerView->raise();
    m_biggerView->activateWindow();
}

void QuickGraphView::openBiggerView() {
    m_biggerView = buildBiggerView(m_title, m_source, nullptr, true);
    m_biggerView->graphWidget()->setTitle(m_title);
    // A transient child of the editor's window stays above it.
    m_biggerView->winId();
    if (QWindow* handle = m_biggerView->windowHandle())
        handle->setTransientParent(window());
    forwardFreezeShortcut(m_biggerView);
    showAtCursor(m_biggerView);
}

// The user looks at the plotting window when freezing; the shortcut must work there too, not only
// in the editor's window where the host catches it.
void QuickGraphView::forwardFreezeShortcut(QWidget* window) {
    if (!m_repainter)
        return;
    auto* freeze = new QShortcut(freezeShortcut, window, nullptr, nullptr, Qt::WindowShortcut);
    connect(freeze, &QShortcut::activated, this, [repainter = m_repainter] {
        if (repainter)
            repainter->toggleFreeze();
    });
}

bool registerWithRepainter(GraphWidgetRepainter* repainter, QuickGraphView* item) {
    if (!repainter || !item || !repainter->registerRepaintable(item, item))
        return false;
    item->m_repainter = repainter;
    return true;
}

} // namespace JVX
