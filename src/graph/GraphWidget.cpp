#include "GraphWidget.h"

#include "CsvWriter.h"
#include "GraphDialogs.h"
#include "GraphSource.h"
#include "GraphWindow.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <limits>

namespace JVX {

namespace {

constexpr QSize preferredSize(400, 200);

} // namespace

GraphWidget::GraphWidget(QWidget* parent, GraphSource* source, bool bigView)
    : QAbstractButton(parent)
    , m_source(source ? source : new GraphSource(this)) {
    m_source->registerWidget(this);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &GraphWidget::showContextMenu);
    if (!bigView)
        connect(this, &QAbstractButton::clicked, this, &GraphWidget::showBiggerView);
}

GraphWidget::~GraphWidget() {
    if (m_source)
        m_source->unregisterWidget(this);
}

GraphSource* GraphWidget::source() const {
    return m_source;
}

GraphWindow* GraphWidget::biggerView() const {
    return m_biggerView;
}

QSize GraphWidget::sizeHint() const {
    return preferredSize;
}

QSize GraphWidget::minimumSizeHint() const {
    return preferredSize;
}

void GraphWidget::repaint() {
    if (m_source)
        m_source->repaintDirtyWidgets();
}

void GraphWidget::setFrozen(bool frozen) {
    if (m_source)
        m_source->setFrozen(frozen);
}

void GraphWidget::setNeedsRepaint(bool needsRepaint) {
    m_needsRepaint.store(needsRepaint, std::memory_order_relaxed);
}

bool GraphWidget::needsRepaint() const {
    return m_needsRepaint.load(std::memory_order_relaxed);
}

bool GraphWidget::isShownOnScreen() const {
    return isVisible();
}

void GraphWidget::repaintNow() {
    QWidget::repaint();
}

void GraphWidget::resetRanges() {
    if (m_source)
        m_source->resetRanges();
}

void GraphWidget::setOnScreen(int samples) {
    if (!m_source)
        return;
    m_source->setMaxOnScreen(std::uint32_t(samples));
    update();
}

void GraphWidget::incMaxOnScreen(int factor) {
    if (m_source)
        setOnScreen(std::min(int(m_source->maxOnScreen()) + std::max(factor, 1) * onScreenStep,
                             maxOnScreenLimit));
}

void GraphWidget::decMaxOnScreen() {
    if (m_source)
        setOnScreen(std::max(int(m_source->maxOnScreen()) - onScreenStep, minOnScreen));
}

bool GraphWidget::exportCsv(const QList<GraphWidget*>& widgets, QString* failure) {
    QList<GraphSource*> sources;
    std::uint32_t fewestOnScreen = std::numeric_limits<std::uint32_t>::max();
    int columns = 0;
    for (GraphWidget* widget : widgets) {
        if (GraphSource* source = widget ? widget->source() : nullptr) {
            sources << source;
            fewestOnScreen = std::min(fewestOnScreen, source->maxOnScreen());
            columns += std::max(int(source->captions().size()), 1);
        }
    }
    // Equal lengths, so that the rows of every graph line up.
    for (GraphSource* source : sources)
        source->setMaxOnScreen(fewestOnScreen);

    CsvTable table;
    table.reservedValues = columns;
    for (GraphWidget* widget : widgets)
        if (widget && widget->source())
            widget->source()->collectCsvColumns(widget->title(), table);

    const QString path = chooseSaveFile(
        nullptr, QCoreApplication::translate("GraphWidget", "Please select output file (*.csv)"),
        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return false;
    QString reason;
    if (writeCsvFile(path, table, &reason))
        return true;
    if (failure)
        *failure = tr("The graph data could not be written to %1: %2")
                       .arg(QDir::toNativeSeparators(path), reason);
    return false;
}

void GraphWidget::showBiggerView() {
    if (!m_source || m_title.isEmpty())
        return;
    if (m_biggerView) {
        m_biggerView->showNormal();
        m_biggerView->raise();
        m_biggerView->activateWindow();
        return;
    }
    m_biggerView = buildBiggerView(m_title, m_source, this, false);
    m_biggerView->graphWidget()->setTitle(m_title);
    showAtCursor(m_biggerView);
}

void GraphWidget::showContextMenu(const QPoint& pos) {
    const std::unique_ptr<QMenu> menu = buildContextMenu();
    menu->exec(mapToGlobal(pos));
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    // Lets style sheets paint the background.
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (m_source) {
        const QPoint hoverPoint = mapFromGlobal(QCursor::pos());
        m_source->paintGraph(painter, palette().window(), width(), height(), hoverPoint, m_hovered,
                             true, m_pressPoint, m_pressed);
    }
    setNeedsRepaint(false);
}

bool GraphWidget::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Backspace:
        if (modifiers != Qt::NoModifier)
            return false;
        m_source->resetRanges();
        return true;
    case Qt::Key_Plus:
        incMaxOnScreen(1);
        return true;
    case Qt::Key_Minus:
        decMaxOnScreen();
        return true;
    case Qt::Key_2:
        incMaxOnScreen(2);
        return true;
    case Qt::Key_4:
        incMaxOnScreen(4);
        return true;
    case Qt::Key_8:
        incMaxOnScreen(8);
        return true;
    case Qt::Key_Space:
        if (modifiers != Qt::NoModifier)
            return false;
        m_source->setFrozen(!m_source->frozen());
        return true;
    default:
        return false;
    }
}

void GraphWidget::keyPressEvent(QKeyEvent* event) {
    QAbstractButton::keyPressEvent(event);
    // Holding a key down must not repeat its action (Space would flicker between frozen states).
    if (event->isAutoRepeat() || !m_source)
        return;
    handleKey(event->key(), event->modifiers());
}

void GraphWidget::enterEvent(QEvent* event) {
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    update();
}

void GraphWidget::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if (m_hovered)
        update();
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_pressPoint = event->pos();
        m_pressed = true;
        event->ignore();
    } else {
        m_pressed = false;
    }
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if ((event->pos() - m_pressPoint).manhattanLength() <= clickSlop) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    // A release outside the button never counts as a click, so a measurement drag opens nothing.
    QMouseEvent outside(event->type(), QPointF(-1, -1), event->windowPos(), event->screenPos(),
                        event->button(), event->buttons(), event->modifiers(), event->source());
    QAbstractButton::mouseReleaseEvent(&outside);
    event->setAccepted(outside.isAccepted());
}

} // namespace JVX
