#include "graph/GraphWidget.h"

#include "graph/GraphDialogs.h"
#include "graph/GraphSource.h"
#include "graph/GraphWindow.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace JVX;

namespace {

// Replaces the save-file chooser for one test and records what it was asked.
class ScriptedFileChooser {
public:
    explicit ScriptedFileChooser(QString answer)
        : m_previous(setSaveFileChooser(
              [this, answer](QWidget* parent, const QString& caption, const QString& filter) {
                  ++calls;
                  lastParent = parent;
                  lastCaption = caption;
                  lastFilter = filter;
                  return answer;
              })) {}
    ~ScriptedFileChooser() { setSaveFileChooser(m_previous); }

    int calls = 0;
    QWidget* lastParent = reinterpret_cast<QWidget*>(1);
    QString lastCaption;
    QString lastFilter;

private:
    SaveFileChooser m_previous;
};

// Replaces the number dialog for one test, answering `answer` and recording the request.
class ScriptedNumberAsker {
public:
    explicit ScriptedNumberAsker(double answer)
        : m_previous(setNumberAsker([this, answer](QWidget* parent, const NumberRequest& request) {
            ++calls;
            lastParent = parent;
            last = request;
            return answer;
        })) {}
    ~ScriptedNumberAsker() { setNumberAsker(m_previous); }

    int calls = 0;
    QWidget* lastParent = nullptr;
    NumberRequest last;

private:
    NumberAsker m_previous;
};

QStringList texts(const QMenu& menu) {
    QStringList result;
    for (const QAction* action : menu.actions())
        result << action->text();
    return result;
}

QAction* entry(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QMenu* submenu(const QMenu& menu, const QString& text) {
    QAction* action = entry(menu, text);
    return action ? action->menu() : nullptr;
}

void step(GraphSource& source, std::vector<float> values, std::uint64_t timestamp) {
    source.addSamples(std::uint32_t(values.size()), values.data(), false, timestamp);
}

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             bool autoRepeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(&widget, &press);
}

class GraphWidgetTest : public ::testing::Test {
protected:
    // A bigger view's widget: clicks open nothing, so key and mouse tests stay on one window.
    GraphWidget widget{nullptr, nullptr, true};
    GraphSource& source = *widget.source();
};

TEST_F(GraphWidgetTest, OwnsASourceWhenBuiltWithoutOne) {
    ASSERT_NE(widget.source(), nullptr);
    EXPECT_EQ(widget.source()->parent(), &widget);
    EXPECT_EQ(widget.sizeHint(), QSize(400, 200));
    EXPECT_EQ(widget.minimumSizeHint(), QSize(400, 200));
    EXPECT_TRUE(widget.hasMouseTracking());
    EXPECT_EQ(widget.contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(GraphWidgetTest, EightAddsFourHundredUpToFourThousand) {
    ASSERT_EQ(source.maxOnScreen(), 200u);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&widget, Qt::Key_8);
    EXPECT_EQ(source.maxOnScreen(), 1800u);
    QTest::keyClick(&widget, Qt::Key_8);
    EXPECT_EQ(source.maxOnScreen(), 2200u);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&widget, Qt::Key_8);
    EXPECT_EQ(source.maxOnScreen(), 4000u);
}

TEST_F(GraphWidgetTest, PlusTwoAndFourAddFiftyHundredAndTwoHundred) {
    QTest::keyClick(&widget, Qt::Key_Plus);
    EXPECT_EQ(source.maxOnScreen(), 250u);
    QTest::keyClick(&widget, Qt::Key_2);
    EXPECT_EQ(source.maxOnScreen(), 350u);
    QTest::keyClick(&widget, Qt::Key_4);
    EXPECT_EQ(source.maxOnScreen(), 550u);
    // Modifiers do not matter for these keys (+ usually comes with Shift).
    QTest::keyClick(&widget, Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(source.maxOnScreen(), 600u);
    source.setMaxOnScreen(3990);
    QTest::keyClick(&widget, Qt::Key_2);
    EXPECT_EQ(source.maxOnScreen(), 4000u);
}

TEST_F(GraphWidgetTest, MinusStopsAtFifty) {
    source.setMaxOnScreen(80);
    QTest::keyClick(&widget, Qt::Key_Minus);
    EXPECT_EQ(source.maxOnScreen(), 50u);
    QTest::keyClick(&widget, Qt::Key_Minus);
    EXPECT_EQ(source.maxOnScreen(), 50u);
}

TEST_F(GraphWidgetTest, AutoRepeatedKeysAreIgnored) {
    sendKey(widget, Qt::Key_8);
    for (int i = 0; i < 5; ++i)
        sendKey(widget, Qt::Key_8, Qt::NoModifier, true);
    EXPECT_EQ(source.maxOnScreen(), 600u);

    sendKey(widget, Qt::Key_Space);
    for (int i = 0; i < 5; ++i)
        sendKey(widget, Qt::Key_Space, Qt::NoModifier, true);
    EXPECT_TRUE(source.frozen());
}

TEST_F(GraphWidgetTest, SpaceTogglesFreezeOnlyWithoutModifiers) {
    QTest::keyClick(&widget, Qt::Key_Space);
    EXPECT_TRUE(source.frozen());
    QTest::keyClick(&widget, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(source.frozen());
    QTest::keyClick(&widget, Qt::Key_Space);
    EXPECT_FALSE(source.frozen());
}

TEST_F(GraphWidgetTest, BackspaceRestartsTheRangeFromTheNewestValue) {
    source.setSymmetricalScale(false);
    step(source, {1.0f}, 1000);
    step(source, {5.0f}, 1010);
    step(source, {3.0f}, 1020);
    widget.resize(400, 200);
    widget.grab(); // a paint stores the range 1..5
    ASSERT_FLOAT_EQ(source.rangeMax(), 5.0f);

    QTest::keyClick(&widget, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(source.rangeMax(), 5.0f);
    QTest::keyClick(&widget, Qt::Key_Backspace);
    EXPECT_FLOAT_EQ(source.rangeMin(), 3.0f);
    EXPECT_FLOAT_EQ(source.rangeMax(), 3.0f);
}

TEST_F(GraphWidgetTest, PaintingClearsTheRepaintFlag) {
    step(source, {1.0f}, 1000);
    EXPECT_TRUE(widget.needsRepaint());
    widget.resize(400, 200);
    widget.grab();
    EXPECT_FALSE(widget.needsRepaint());
    step(source, {2.0f}, 1010);
    EXPECT_TRUE(widget.needsRepaint());
}

TEST_F(GraphWidgetTest, RepaintOnlyPaintsAShownWidgetThatNeedsIt) {
    step(source, {1.0f}, 1000);
    widget.repaint();
    EXPECT_TRUE(widget.needsRepaint()); // hidden: nothing painted
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    step(source, {2.0f}, 1010);
    ASSERT_TRUE(widget.needsRepaint());
    widget.repaint();
    EXPECT_FALSE(widget.needsRepaint());
}

TEST_F(GraphWidgetTest, SetFrozenFreezesTheSource) {
    IRepaintable& repaintable = widget;
    repaintable.setFrozen(true);
    EXPECT_TRUE(source.frozen());
    repaintable.setFrozen(false);
    EXPECT_FALSE(source.frozen());
}

TEST_F(GraphWidgetTest, EnterAndLeaveSetTheHoverState) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&widget, &enter);
    EXPECT_TRUE(widget.isHovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
    EXPECT_FALSE(widget.isHovered());
}

class GraphWidgetClickTest : public GraphWidgetTest {
protected:
    void SetUp() override {
        widget.resize(400, 200);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }

    int clicksAfterDrag(QPoint from, QPoint to) {
        QSignalSpy clicked(&widget, &QAbstractButton::clicked);
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, from);
        EXPECT_TRUE(widget.isMeasuring());
        EXPECT_EQ(widget.pressPoint(), from);
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, to);
        EXPECT_FALSE(widget.isMeasuring());
        return clicked.count();
    }
};

TEST_F(GraphWidgetClickTest, SixPixelDragIsNoClick) {
    EXPECT_EQ(clicksAfterDrag(QPoint(50, 50), QPoint(56, 50)), 0);
    EXPECT_EQ(clicksAfterDrag(QPoint(50, 50), QPoint(47, 47)), 0);
}

TEST_F(GraphWidgetClickTest, FivePixelDragIsAClick) {
    EXPECT_EQ(clicksAfterDrag(QPoint(50, 50), QPoint(55, 50)), 1);
    EXPECT_EQ(clicksAfterDrag(QPoint(50, 50), QPoint(48, 47)), 1);
}

TEST_F(GraphWidgetClickTest, RightButtonEndsNoMeasurement) {
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_FALSE(widget.isMeasuring());
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
}

TEST(GraphWidgetBiggerView, ClickOpensOneWindowOnTheSameSourceOnlyWithATitle) {
    GraphWidget widget;
    widget.resize(400, 200);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(widget.biggerView(), nullptr);

    widget.setTitle(QStringLiteral("Lateral - Output Limit"));
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    GraphWindow* window = widget.biggerView();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &widget);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lateral - Output Limit"));
    ASSERT_NE(window->graphWidget(), nullptr);
    EXPECT_EQ(window->graphWidget()->source(), widget.source());
    EXPECT_EQ(window->graphWidget()->title(), QStringLiteral("Lateral - Output Limit"));

    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(widget.biggerView(), window);
    EXPECT_EQ(widget.findChildren<GraphWindow*>().size(), 1);
}

class GraphWidgetMenuTest : public GraphWidgetTest {};

TEST_F(GraphWidgetMenuTest, EntriesInOrderWithoutSeries) {
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    EXPECT_EQ(menu->parent(), nullptr);
    const QStringList expected{"Reset ranges [backspace]",
                               "More on screen [+]",
                               "More on screen (x2) [2]",
                               "More on screen (x4) [4]",
                               "More on screen (x8) [8]",
                               "Less on screen [-]",
                               "Stay on top",
                               "Auto range downscale",
                               "Symmetrical scale",
                               "Draw reference lines",
                               "Bound",
                               "FFT",
                               "Freeze [spacebar]",
                               "Export",
                               "Filter",
                               "Convert"};
    EXPECT_EQ(texts(*menu), expected);
}

TEST_F(GraphWidgetMenuTest, ToggleEntriesShowTheSourceOptions) {
    source.setFrozen(true);
    source.setDrawReferenceLines(true);
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    const QStringList toggles{
        "Stay on top", "Auto range downscale", "Symmetrical scale", "Draw reference lines",
        "FFT",         "Freeze [spacebar]"};
    for (QAction* action : menu->actions()) {
        EXPECT_EQ(action->isCheckable(), toggles.contains(action->text()))
            << action->text().toStdString();
    }
    EXPECT_FALSE(entry(*menu, "Stay on top")->isChecked());
    EXPECT_FALSE(entry(*menu, "Auto range downscale")->isChecked());
    EXPECT_TRUE(entry(*menu, "Symmetrical scale")->isChecked());
    EXPECT_TRUE(entry(*menu, "Draw reference lines")->isChecked());
    EXPECT_FALSE(entry(*menu, "FFT")->isChecked());
    EXPECT_TRUE(entry(*menu, "Freeze [spacebar]")->isChecked());
}

TEST_F(GraphWidgetMenuTest, ChoosingTogglesChangesTheSource) {
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    entry(*menu, "Auto range downscale")->trigger();
    entry(*menu, "Symmetrical scale")->trigger();
    entry(*menu, "Draw reference lines")->trigger();
    entry(*menu, "FFT")->trigger();
    entry(*menu, "Freeze [spacebar]")->trigger();
    EXPECT_TRUE(source.autoRangeDownscale());
    EXPECT_FALSE(source.symmetricalScale());
    EXPECT_TRUE(source.drawReferenceLines());
    EXPECT_TRUE(source.fftEnabled());
    EXPECT_TRUE(source.frozen());
}

TEST_F(GraphWidgetMenuTest, OnScreenEntriesStepAndClamp) {
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    entry(*menu, "More on screen [+]")->trigger();
    EXPECT_EQ(source.maxOnScreen(), 250u);
    entry(*menu, "More on screen (x2) [2]")->trigger();
    EXPECT_EQ(source.maxOnScreen(), 350u);
    entry(*menu, "More on screen (x4) [4]")->trigger();
    EXPECT_EQ(source.maxOnScreen(), 550u);
    entry(*menu, "More on screen (x8) [8]")->trigger();
    EXPECT_EQ(source.maxOnScreen(), 950u);
    entry(*menu, "Less on screen [-]")->trigger();
    EXPECT_EQ(source.maxOnScreen(), 900u);
}

TEST_F(GraphWidgetMenuTest, FilterEntriesCarryTheirStrength) {
    source.setFilterStrength(100);
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    QMenu* filter = submenu(*menu, "Filter");
    ASSERT_NE(filter, nullptr);
    const QStringList expected{
        "Lowpass filter [OFF]", "Lowpass filter [2]",   "Lowpass filter [3]",
        "Lowpass filter [4]",   "Lowpass filter [5]",   "Lowpass filter [10]",
        "Lowpass filter [15]",  "Lowpass filter [20]",  "Lowpass filter [50]",
        "Lowpass filter [100]", "Lowpass filter [200]", "Lowpass filter [500]",
        "Lowpass filter [100]"};
    EXPECT_EQ(texts(*filter), expected);
    const std::vector<int> strengths{1, 2, 3, 4, 5, 10, 15, 20, 50, 100, 200, 500, 100};
    const QList<QAction*> actions = filter->actions();
    for (int i = 0; i < actions.size(); ++i) {
        EXPECT_TRUE(actions[i]->isCheckable());
        EXPECT_EQ(actions[i]->property("tevo_user_data"), QVariant(strengths[std::size_t(i)]));
        // Both entries for 100 show checked.
        EXPECT_EQ(actions[i]->isChecked(), strengths[std::size_t(i)] == 100) << i;
    }
    actions[5]->trigger();
    EXPECT_EQ(source.filterStrength(), 10);
}

TEST_F(GraphWidgetMenuTest, ConvertEntriesCarryTheirCode) {
    source.setConversion(2);
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    QMenu* convert = submenu(*menu, "Convert");
    ASSERT_NE(convert, nullptr);
    const QStringList expected{"None",          "Rad -> Deg",    "m -> mm",
                               "mm -> m",       "m/s -> knots",  "knots -> m/s",
                               "km/h -> knots", "knots -> km/h", "m/s -> km/h"};
    EXPECT_EQ(texts(*convert), expected);
    const QList<QAction*> actions = convert->actions();
    for (int code = 0; code < actions.size(); ++code) {
        EXPECT_TRUE(actions[code]->isCheckable());
        EXPECT_EQ(actions[code]->property("tevo_user_data"), QVariant(code));
        EXPECT_EQ(actions[code]->isChecked(), code == 2);
    }
    actions[8]->trigger();
    EXPECT_EQ(source.conversion(), 8);
}

TEST_F(GraphWidgetMenuTest, SeriesMenusListEverySeries) {
    source.setCaption(QStringLiteral("Input"), 0);
    source.setCaption(QStringLiteral("Output"), 1);
    step(source, {1.0f, 2.0f, 3.0f}, 1000);
    source.setVisibility({true, false, true});
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    EXPECT_EQ(texts(*menu).mid(14), QStringList({"Filter", "Convert", "Plots", "Scale", "Offset"}));

    const QStringList series{"#1 Input", "#2 Output", "#3 "};
    QMenu* plots = submenu(*menu, "Plots");
    QMenu* scale = submenu(*menu, "Scale");
    QMenu* offset = submenu(*menu, "Offset");
    ASSERT_TRUE(plots && scale && offset);
    EXPECT_EQ(texts(*plots), series);
    EXPECT_EQ(texts(*scale), series);
    EXPECT_EQ(texts(*offset), series);
    EXPECT_TRUE(plots->actions()[0]->isChecked());
    EXPECT_FALSE(plots->actions()[1]->isChecked());
    EXPECT_TRUE(plots->actions()[2]->isChecked());
    EXPECT_FALSE(scale->actions()[0]->isCheckable());
    EXPECT_FALSE(offset->actions()[0]->isCheckable());

    plots->actions()[2]->trigger();
    EXPECT_EQ(source.visibility(), std::vector<bool>({true, false, false}));
    plots->actions()[1]->trigger();
    EXPECT_EQ(source.visibility(), std::vector<bool>({true, true, false}));
}

TEST_F(GraphWidgetMenuTest, BoundDialogStoresTheLimit) {
    source.setYLimit(2.5f);
    ScriptedNumberAsker asker(7.25);
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    entry(*menu, "Bound")->trigger();
    ASSERT_EQ(asker.calls, 1);
    EXPECT_EQ(asker.lastParent, &widget);
    EXPECT_EQ(asker.last.title, QStringLiteral("Bound"));
    EXPECT_EQ(asker.last.label, QStringLiteral("Limit for Y axis (0 disabled):"));
    EXPECT_DOUBLE_EQ(asker.last.value, 2.5);
    EXPECT_DOUBLE_EQ(asker.last.minimum, -2147483647.0);
    EXPECT_DOUBLE_EQ(asker.last.maximum, 2147483647.0);
    EXPECT_EQ(asker.last.decimals, 1);
    EXPECT_FLOAT_EQ(source.yLimit(), 7.25f);
}

TEST_F(GraphWidgetMenuTest, ScaleAndOffsetDialogsStoreIntoTheirSeries) {
    step(source, {1.0f, 2.0f}, 1000);
    source.setScale(1, 3.0f);
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    {
        ScriptedNumberAsker asker(0.5);
        submenu(*menu, "Scale")->actions()[1]->trigger();
        EXPECT_EQ(asker.last.title, QStringLiteral("Scale"));
        EXPECT_EQ(asker.last.label, QStringLiteral("Scale for Y axis:"));
        EXPECT_DOUBLE_EQ(asker.last.value, 3.0);
        EXPECT_DOUBLE_EQ(asker.last.minimum, -1000000.0);
        EXPECT_DOUBLE_EQ(asker.last.maximum, 1000000.0);
        EXPECT_EQ(asker.last.decimals, 5);
    }
    {
        ScriptedNumberAsker asker(-4.0);
        submenu(*menu, "Offset")->actions()[0]->trigger();
        EXPECT_EQ(asker.last.title, QStringLiteral("Offset"));
        EXPECT_EQ(asker.last.label, QStringLiteral("Offset for Y axis:"));
        EXPECT_DOUBLE_EQ(asker.last.value, 0.0);
        EXPECT_EQ(asker.last.decimals, 5);
    }
    EXPECT_FLOAT_EQ(source.scale(1), 0.5f);
    EXPECT_FLOAT_EQ(source.scale(0), 1.0f);
    EXPECT_FLOAT_EQ(source.offset(0), -4.0f);
    EXPECT_FLOAT_EQ(source.offset(1), 0.0f);
}

TEST_F(GraphWidgetMenuTest, StayOnTopUsesTheTopLevelWindowFlags) {
    GraphWindow window;
    auto* inner = new GraphWidget(&window, nullptr, true);
    window.setGeometry(64, 96, 352, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    std::unique_ptr<QMenu> menu = inner->buildContextMenu();
    ASSERT_FALSE(entry(*menu, "Stay on top")->isChecked());
    entry(*menu, "Stay on top")->trigger();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(64, 96, 352, 160));

    menu = inner->buildContextMenu();
    EXPECT_TRUE(entry(*menu, "Stay on top")->isChecked());
    entry(*menu, "Stay on top")->trigger();
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(GraphWidgetVanishedSource, MenuOpensButNothingActs) {
    auto source = std::make_unique<GraphSource>();
    GraphWidget widget(nullptr, source.get(), true);
    source->setMaxOnScreen(300);
    source.reset();
    ASSERT_EQ(widget.source(), nullptr);

    ScriptedNumberAsker asker(1.0);
    ScriptedFileChooser chooser{QString()};
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    EXPECT_EQ(texts(*menu).size(), 16);
    for (QAction* action : menu->actions())
        if (!action->menu())
            action->trigger();
    EXPECT_EQ(asker.calls, 0);
    EXPECT_EQ(chooser.calls, 0);
    QTest::keyClick(&widget, Qt::Key_8);
    QTest::keyClick(&widget, Qt::Key_Space);
    widget.incMaxOnScreen();
    widget.resetRanges();
    EXPECT_EQ(widget.source(), nullptr);
}

class GraphWidgetExportTest : public GraphWidgetTest {
protected:
    QTemporaryDir folder;
    QString path() const { return folder.filePath(QStringLiteral("graph.csv")); }
    QByteArray written() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(GraphWidgetExportTest, WritesHeaderAndRelativeTimes) {
    widget.setTitle(QStringLiteral("Lateral - Output Limit"));
    source.setCaption(QStringLiteral("Input"), 0);
    source.setMaxOnScreen(3);
    step(source, {0.5f}, 1000); // fills the ring with three copies
    step(source, {1.25f}, 1020);
    ScriptedFileChooser chooser(path());

    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    entry(*menu, "Export")->trigger();

    ASSERT_EQ(chooser.calls, 1);
    EXPECT_EQ(chooser.lastParent, nullptr);
    EXPECT_EQ(chooser.lastCaption, QStringLiteral("Please select output file (*.csv)"));
    EXPECT_EQ(chooser.lastFilter, QStringLiteral("CSV (*.csv)"));
    EXPECT_EQ(written(), QByteArray("Time [ms];Lateral - Output Limit:Input\n"
                                    "0;0.5000000000\n"
                                    "0;0.5000000000\n"
                                    "20;1.2500000000\n"));
}

TEST_F(GraphWidgetExportTest, ExportsStoredValuesOfEverySeriesWithoutScaleOrOffset) {
    widget.setTitle(QStringLiteral("Roll"));
    source.setCaption(QStringLiteral("In"), 0);
    source.setMaxOnScreen(2);
    step(source, {1.0f, -2.0f}, 500);
    step(source, {0.125f, 3.0f}, 540);
    source.setScale(0, 10.0f);
    source.setOffset(1, 5.0f);
    source.setVisibility({true, false});
    ScriptedFileChooser chooser(path());

    EXPECT_TRUE(GraphWidget::exportCsv({&widget}));
    EXPECT_EQ(written(), QByteArray("Time [ms];Roll:In;Roll\n"
                                    "0;1.0000000000;-2.0000000000\n"
                                    "40;0.1250000000;3.0000000000\n"));
}

TEST_F(GraphWidgetExportTest, CutsEverySourceToTheShortest) {
    GraphWidget other(nullptr, nullptr, true);
    widget.setTitle(QStringLiteral("A"));
    other.setTitle(QStringLiteral("B"));
    source.setMaxOnScreen(3);
    other.source()->setMaxOnScreen(2);
    step(source, {1.0f}, 100);
    step(source, {2.0f}, 110);
    step(*other.source(), {7.0f}, 100);
    step(*other.source(), {8.0f}, 110);
    ScriptedFileChooser chooser(path());

    EXPECT_TRUE(GraphWidget::exportCsv({&widget, &other}));
    EXPECT_EQ(source.maxOnScreen(), 2u);
    EXPECT_EQ(written(), QByteArray("Time [ms];A;B\n"
                                    "0;1.0000000000;7.0000000000\n"
                                    "10;2.0000000000;8.0000000000\n"));
}

TEST_F(GraphWidgetExportTest, CancelledOrUnwritableExportWritesNothing) {
    step(source, {1.0f}, 100);
    {
        ScriptedFileChooser cancelled{QString()};
        EXPECT_FALSE(GraphWidget::exportCsv({&widget}));
        EXPECT_EQ(cancelled.calls, 1);
    }
    EXPECT_FALSE(QFile::exists(path()));
    ScriptedFileChooser unwritable(folder.filePath(QStringLiteral("missing/graph.csv")));
    EXPECT_FALSE(GraphWidget::exportCsv({&widget}));
}

} // namespace
