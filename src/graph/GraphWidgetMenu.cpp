// The context menu of the plotting widget, its dialogs and the stay-on-top toggle.
#include "GraphConversion.h"
#include "GraphDialogs.h"
#include "GraphSource.h"
#include "GraphWidget.h"

#include <QMenu>
#include <array>

namespace JVX {

namespace {

// The strengths offered by the "Filter" menu; 100 is offered twice, so both entries show checked
// together.
constexpr std::array<int, 13> filterStrengths{1, 2, 3, 4, 5, 10, 15, 20, 50, 100, 200, 500, 100};

constexpr double boundRange = 2147483647.0;
constexpr double scaleOffsetRange = 1000000.0;

} // namespace

void GraphWidget::addMenuAction(QMenu& menu, const QString& text, std::function<void()> action) {
    QAction* entry = menu.addAction(text);
    connect(entry, &QAction::triggered, this, [this, action = std::move(action)] {
        if (m_source)
            action();
        update();
    });
}

void GraphWidget::addMenuToggle(QMenu& menu, const QString& text, bool checked,
                                std::function<void(bool)> action) {
    QAction* entry = menu.addAction(text);
    entry->setCheckable(true);
    entry->setChecked(checked);
    connect(entry, &QAction::triggered, this, [this, action = std::move(action)](bool on) {
        if (m_source)
            action(on);
        update();
    });
}

std::unique_ptr<QMenu> GraphWidget::buildContextMenu() {
    auto menu = std::make_unique<QMenu>();
    GraphSource* source = m_source;
    // The menu still opens without a source; its entries then show defaults and do nothing.
    auto option = [source](bool (GraphSource::*read)() const) {
        return source && (source->*read)();
    };

    addMenuAction(*menu, tr("Reset ranges [backspace]"), [this] { m_source->resetRanges(); });
    addMenuAction(*menu, tr("More on screen [+]"), [this] { incMaxOnScreen(1); });
    addMenuAction(*menu, tr("More on screen (x2) [2]"), [this] { incMaxOnScreen(2); });
    addMenuAction(*menu, tr("More on screen (x4) [4]"), [this] { incMaxOnScreen(4); });
    addMenuAction(*menu, tr("More on screen (x8) [8]"), [this] { incMaxOnScreen(8); });
    addMenuAction(*menu, tr("Less on screen [-]"), [this] { decMaxOnScreen(); });
    addMenuToggle(*menu, tr("Stay on top"), isStayingOnTop(),
                  [this](bool on) { setStayOnTop(on); });
    addMenuToggle(*menu, tr("Auto range downscale"), option(&GraphSource::autoRangeDownscale),
                  [this](bool on) { m_source->setAutoRangeDownscale(on); });
    addMenuToggle(*menu, tr("Symmetrical scale"), option(&GraphSource::symmetricalScale),
                  [this](bool on) { m_source->setSymmetricalScale(on); });
    addMenuToggle(*menu, tr("Draw reference lines"), option(&GraphSource::drawReferenceLines),
                  [this](bool on) { m_source->setDrawReferenceLines(on); });
    addMenuAction(*menu, tr("Bound"), [this] { askBound(); });
    addMenuToggle(*menu, tr("FFT"), option(&GraphSource::fftEnabled),
                  [this](bool on) { m_source->setFftEnabled(on); });
    addMenuToggle(*menu, tr("Freeze [spacebar]"), option(&GraphSource::frozen),
                  [this](bool on) { m_source->setFrozen(on); });
    addMenuAction(*menu, tr("Export"), [this] { exportAndReport(); });
    addFilterMenu(*menu);
    addConvertMenu(*menu);
    addSeriesMenus(*menu);
    return menu;
}

void GraphWidget::addFilterMenu(QMenu& menu) {
    QMenu* filter = menu.addMenu(tr("Filter"));
    const int current = m_source ? m_source->filterStrength() : 1;
    for (int strength : filterStrengths) {
        const QString level = strength == 1 ? tr("OFF") : QString::number(strength);
        addMenuToggle(*filter, tr("Lowpass filter [%1]").arg(level), strength == current,
                      [this, strength](bool) { m_source->setFilterStrength(strength); });
        filter->actions().constLast()->setProperty(userDataProperty, strength);
    }
}

void GraphWidget::addConvertMenu(QMenu& menu) {
    QMenu* convert = menu.addMenu(tr("Convert"));
    const int current = m_source ? m_source->conversion() : ConversionNone;
    for (int code = 0; code < ConversionCount; ++code) {
        addMenuToggle(*convert, tr(conversionName(code)), code == current,
                      [this, code](bool) { m_source->setConversion(code); });
        convert->actions().constLast()->setProperty(userDataProperty, code);
    }
}

void GraphWidget::addSeriesMenus(QMenu& menu) {
    const int seriesCount = m_source ? int(m_source->deliveredCount()) : 0;
    if (seriesCount < 1)
        return;
    const QStringList captions = m_source->captions();
    const std::vector<bool> visible = m_source->visibility();
    auto seriesTitle = [&captions](int i) {
        return QStringLiteral("#%1 %2").arg(i + 1).arg(i < captions.size() ? captions[i]
                                                                           : QString());
    };

    QMenu* plots = menu.addMenu(tr("Plots"));
    for (int i = 0; i < seriesCount; ++i) {
        const bool shown = std::size_t(i) < visible.size() && visible[std::size_t(i)];
        // Every entry's state is written back, so the flags always match what the menu showed.
        addMenuToggle(*plots, seriesTitle(i), shown, [this, plots](bool) {
            std::vector<bool> flags;
            for (const QAction* entry : plots->actions())
                flags.push_back(entry->isChecked());
            m_source->setVisibility(flags);
        });
    }
    QMenu* scale = menu.addMenu(tr("Scale"));
    QMenu* offset = menu.addMenu(tr("Offset"));
    for (int i = 0; i < seriesCount; ++i) {
        addMenuAction(*scale, seriesTitle(i), [this, i] { askScale(i); });
        addMenuAction(*offset, seriesTitle(i), [this, i] { askOffset(i); });
    }
}

void GraphWidget::exportAndReport() {
    QString failure;
    if (!exportCsv({this}, &failure) && !failure.isEmpty())
        reportError(this, tr("Export"), failure);
}

void GraphWidget::askBound() {
    const NumberRequest request{tr("Bound"),
                                tr("Limit for Y axis (0 disabled):"),
                                double(m_source->yLimit()),
                                -boundRange,
                                boundRange,
                                1};
    const double limit = askNumber(this, request);
    if (m_source)
        m_source->setYLimit(float(limit));
}

void GraphWidget::askScale(int series) {
    const NumberRequest request{
        tr("Scale"),       tr("Scale for Y axis:"), double(m_source->scale(series)),
        -scaleOffsetRange, scaleOffsetRange,        5};
    const double scale = askNumber(this, request);
    if (m_source)
        m_source->setScale(series, float(scale));
}

void GraphWidget::askOffset(int series) {
    const NumberRequest request{
        tr("Offset"),      tr("Offset for Y axis:"), double(m_source->offset(series)),
        -scaleOffsetRange, scaleOffsetRange,         5};
    const double offset = askNumber(this, request);
    if (m_source)
        m_source->setOffset(series, float(offset));
}

bool GraphWidget::isStayingOnTop() const {
    return window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void GraphWidget::setStayOnTop(bool onTop) {
    QWidget* top = window();
    const QRect geometry = top->geometry();
    const bool wasVisible = top->isVisible();
    // Changing window flags recreates the native window and hides it; bring it back unchanged.
    top->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    top->setGeometry(geometry);
    if (wasVisible)
        top->show();
}

} // namespace JVX
