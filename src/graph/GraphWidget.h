#pragma once

#include "IGraphSourceWidget.h"
#include "KEOUI64/IRepaintable.h"

#include <QAbstractButton>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QMenu;

namespace JVX {

class GraphSource;
class GraphWindow;

// The plotting widget of a bigger view: draws one GraphSource and offers every display option of
// it through keys, a context menu and dialogs, a measurement band dragged with the left button,
// and CSV export. It derives from QAbstractButton for the click logic only: a click (not a drag)
// on a widget that is not itself a bigger view opens one.
//
// The source is borrowed through a weak pointer; once it is gone every key, menu action and dialog
// does nothing.
class GraphWidget : public QAbstractButton, public IRepaintable, public IGraphSourceWidget {
    Q_OBJECT

public:
    static constexpr int onScreenStep = 50;
    static constexpr int minOnScreen = 50;
    static constexpr int maxOnScreenLimit = 4000;
    // A left-button drag longer than this (Manhattan length) is a measurement, not a click.
    static constexpr int clickSlop = 5;
    // The name of the dynamic property carrying the code of a "Filter" or "Convert" entry.
    static constexpr const char* userDataProperty = "tevo_user_data";

    // Without a source the widget creates its own, as its Qt child. A bigger view passes bigView
    // true, so that clicking in it opens nothing.
    explicit GraphWidget(QWidget* parent = nullptr, GraphSource* source = nullptr,
                         bool bigView = false);
    ~GraphWidget() override;

    GraphSource* source() const;
    // The graph's caption; the column prefix of the CSV export.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    GraphWindow* biggerView() const;
    bool isHovered() const { return m_hovered; }
    bool isMeasuring() const { return m_pressed; }
    QPoint pressPoint() const { return m_pressPoint; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The context menu as shown at a right click: parentless, its actions wired to this widget.
    std::unique_ptr<QMenu> buildContextMenu();

    // Exports the data of the listed graphs into one CSV file chosen by the user (see
    // GraphDialogs.h); every source is first cut to the smallest number of samples on screen
    // among them. True when a file was written; when writing failed, `failure` (if given) gets a
    // message for the user naming the file and the reason (it stays empty when the user
    // cancelled).
    static bool exportCsv(const QList<GraphWidget*>& widgets, QString* failure = nullptr);

    // IRepaintable: repaints the source's flagged widgets, this one included.
    void repaint() override;
    void setFrozen(bool frozen) override;

    // IGraphSourceWidget.
    void setNeedsRepaint(bool needsRepaint) override;
    bool needsRepaint() const override;
    bool isShownOnScreen() const override;
    void repaintNow() override;

public slots:
    void resetRanges();
    // More samples on screen: factor x 50 (at least 50), at most 4000.
    void incMaxOnScreen(int factor = 1);
    // 50 samples fewer on screen, at least 50.
    void decMaxOnScreen();

private slots:
    void showBiggerView();
    void showContextMenu(const QPoint& pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setOnScreen(int samples);
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

    // Context menu parts; every action ends with an update() of the widget.
    void addMenuAction(QMenu& menu, const QString& text, std::function<void()> action);
    void addMenuToggle(QMenu& menu, const QString& text, bool checked,
                       std::function<void(bool)> action);
    void addFilterMenu(QMenu& menu);
    void addConvertMenu(QMenu& menu);
    void addSeriesMenus(QMenu& menu);
    void exportAndReport();
    void askBound();
    void askScale(int series);
    void askOffset(int series);

    bool isStayingOnTop() const;
    void setStayOnTop(bool onTop);

    // Set by the source when samples arrive (any thread), cleared after each paint.
    std::atomic<bool> m_needsRepaint{true};
    QPointer<GraphSource> m_source;
    QString m_title;
    QPointer<GraphWindow> m_biggerView;
    bool m_hovered = false;
    // True while the left button is held after a press in the widget.
    bool m_pressed = false;
    QPoint m_pressPoint;
};

} // namespace JVX
