#include "graph/GraphWidget.h"

#include "CsvExportFixture.h"
#include "graph/GraphDialogs.h"
#include "graph/GraphSource.h"
#include "graph/GraphWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace JVX;

namespace {

// Replaces the number dialog for one test, answering `answer` and counting the requests.
class ScriptedNumberAsker {
public:
    explicit ScriptedNumberAsker(double answer)
        : m_previous(setNumberAsker([this, answer](QWidget*, const NumberRequest&) {
            ++calls;
            return answer;
        })) {}
    ~ScriptedNumberAsker() { setNumberAsker(m_previous); }

    int calls = 0;

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

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(&widget, &press);
}

class GraphWidgetTest : public ::testing::Test {
protected:
    // A bigger view's widget: clicks open nothing, so key and mouse tests stay on one window.
    GraphWidget widget{nullptr, nullptr, true};
    GraphSource& source = *widget.source();
};

TEST_F(GraphWidgetTest, OnScreenKeysStepAndClamp) {
    const struct {
        unsigned start;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        unsigned expected;
    } cases[] = {
        {200, Qt::Key_Plus, Qt::NoModifier, false, 250},
        {200, Qt::Key_Plus, Qt::ShiftModifier, false, 250}, // + usually comes with Shift
        {200, Qt::Key_2, Qt::NoModifier, false, 300},
        {200, Qt::Key_4, Qt::NoModifier, false, 400},
        {200, Qt::Key_8, Qt::NoModifier, false, 600},
        {3990, Qt::Key_2, Qt::NoModifier, false, 4000},
        {3900, Qt::Key_8, Qt::NoModifier, false, 4000},
        {80, Qt::Key_Minus, Qt::NoModifier, false, 50},
        {50, Qt::Key_Minus, Qt::NoModifier, false, 50},
        {200, Qt::Key_8, Qt::NoModifier, true, 200}, // auto-repeated keys are ignored
    };
    for (const auto& c : cases) {
        source.setMaxOnScreen(c.start);
        sendKey(widget, c.key, c.modifiers, c.autoRepeat);
        EXPECT_EQ(source.maxOnScreen(), c.expected) << c.start << " key " << c.key;
    }
}

TEST_F(GraphWidgetTest, SpaceTogglesFreezeOnlyWithoutModifiersOrRepeat) {
    sendKey(widget, Qt::Key_Space, Qt::NoModifier, false);
    EXPECT_TRUE(source.frozen());
    sendKey(widget, Qt::Key_Space, Qt::NoModifier, true);
    sendKey(widget, Qt::Key_Space, Qt::ControlModifier, false);
    EXPECT_TRUE(source.frozen());
    sendKey(widget, Qt::Key_Space, Qt::NoModifier, false);
    EXPECT_FALSE(source.frozen());
}

TEST_F(GraphWidgetTest, SeriesMenusListEverySeriesAndTheirDialogsStoreIntoIt) {
    source.setCaption("Input", 0);
    source.setCaption("Output", 1);
    step(source, {1.0f, 2.0f, 3.0f}, 1000);
    source.setVisibility({true, false, true});
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    EXPECT_EQ(texts(*menu).mid(14), QStringList({"Filter", "Convert", "Plots", "Scale", "Offset"}));
    QMenu* plots = submenu(*menu, "Plots");
    QMenu* scale = submenu(*menu, "Scale");
    QMenu* offset = submenu(*menu, "Offset");
    ASSERT_TRUE(plots && scale && offset);
    for (const QMenu* series : {plots, scale, offset})
        EXPECT_EQ(texts(*series), QStringList({"#1 Input", "#2 Output", "#3 "}));
    EXPECT_TRUE(plots->actions()[0]->isChecked());
    EXPECT_FALSE(plots->actions()[1]->isChecked());
    plots->actions()[2]->trigger();
    plots->actions()[1]->trigger();
    EXPECT_EQ(source.visibility(), std::vector<bool>({true, true, false}));

    const std::pair<QAction*, double> dialogs[] = {
        {entry(*menu, "Bound"), 7.25}, {scale->actions()[1], 0.5}, {offset->actions()[0], -4.0}};
    for (const auto& [action, answer] : dialogs) {
        ScriptedNumberAsker asker(answer);
        action->trigger();
        EXPECT_EQ(asker.calls, 1);
    }
    EXPECT_FLOAT_EQ(source.yLimit(), 7.25f);
    EXPECT_FLOAT_EQ(source.scale(1), 0.5f);
    EXPECT_FLOAT_EQ(source.scale(0), 1.0f);
    EXPECT_FLOAT_EQ(source.offset(0), -4.0f);
    EXPECT_FLOAT_EQ(source.offset(1), 0.0f);
}

// Changing the window flags re-creates the native window; it must come back where it was.
TEST_F(GraphWidgetTest, StayOnTopKeepsTheWindowShownInPlace) {
    GraphWindow window;
    auto* inner = new GraphWidget(&window, nullptr, true);
    window.setGeometry(64, 96, 352, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const bool onTop : {true, false}) {
        const std::unique_ptr<QMenu> menu = inner->buildContextMenu();
        EXPECT_EQ(entry(*menu, "Stay on top")->isChecked(), !onTop);
        entry(*menu, "Stay on top")->trigger();
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.geometry(), QRect(64, 96, 352, 160));
    }
}

TEST(GraphWidgetVanishedSource, MenuOpensButNothingActs) {
    auto source = std::make_unique<GraphSource>();
    GraphWidget widget(nullptr, source.get(), true);
    source.reset();
    ASSERT_EQ(widget.source(), nullptr);
    ScriptedNumberAsker asker(1.0);
    ScriptedExport exporting{QString()};
    const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
    EXPECT_EQ(texts(*menu).size(), 16);
    for (QAction* action : menu->actions())
        if (!action->menu())
            action->trigger();
    EXPECT_EQ(asker.calls + exporting.calls, 0);
    QTest::keyClick(&widget, Qt::Key_8);
    QTest::keyClick(&widget, Qt::Key_Space);
    widget.incMaxOnScreen();
    widget.resetRanges();
}

class GraphWidgetExportTest : public GraphWidgetTest {
protected:
    QTemporaryDir folder;
    QString path() const { return folder.filePath("graph.csv"); }
    QByteArray written() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

// Exported are the stored values of every series, hidden or not, without scale or offset, and
// every source cut to the shortest.
TEST_F(GraphWidgetExportTest, ExportsStoredValuesOfEverySeriesCutToTheShortest) {
    GraphWidget other(nullptr, nullptr, true);
    widget.setTitle("Roll");
    other.setTitle("B");
    source.setCaption("In", 0);
    source.setMaxOnScreen(3);
    other.source()->setMaxOnScreen(2);
    step(source, {1.0f, -2.0f}, 500);
    step(source, {0.125f, 3.0f}, 540);
    step(*other.source(), {7.0f}, 500);
    step(*other.source(), {8.0f}, 540);
    source.setScale(0, 10.0f);
    source.setOffset(1, 5.0f);
    source.setVisibility({true, false});
    ScriptedExport exporting(path());
    EXPECT_TRUE(GraphWidget::exportCsv({&widget, &other}));
    EXPECT_EQ(source.maxOnScreen(), 2u);
    EXPECT_EQ(written(), "Time [ms];Roll:In;Roll;B\n0;1.0000000000;-2.0000000000;7.0000000000\n"
                         "40;0.1250000000;3.0000000000;8.0000000000\n");
}

// Once the FFT was switched off, its two series (a frequency of tens of Hz) stayed in the plot:
// the range kept their size, so a travel of +-0.2 drew as a flat line, and the export carried
// their stale columns. Only the series still delivered are ranged, listed and exported.
TEST_F(GraphWidgetExportTest, SpectrumSeriesLeaveRangeMenusAndExportOnceTheFftIsOff) {
    widget.setTitle("Sway");
    source.setMaxOnScreen(50);
    std::uint64_t clock = 0;
    source.setClock([&clock] { return clock += 10; }); // 100 Hz, so the spectrum is in Hz
    auto toggleFft = [this] {
        entry(*widget.buildContextMenu(), "FFT")->trigger();
    };
    auto travel = [this](int from, int to) {
        for (int i = from; i < to; ++i)
            step(source, {0.2f * std::sin(i * 0.3f)}, 1000 + 10 * std::uint64_t(i));
        widget.grab(); // a paint sets the range
    };
    toggleFft();
    travel(0, 100);
    ASSERT_EQ(source.deliveredCount(), 3u);
    ASSERT_GT(source.rangeMax(), 1.0f); // the dominant frequency sets the range
    toggleFft();
    travel(100, 110);
    EXPECT_LE(source.rangeMax(), 0.2f);
    EXPECT_GT(source.rangeMax(), 0.1f);
    EXPECT_EQ(source.channelCount(), 3u);
    EXPECT_EQ(texts(*submenu(*widget.buildContextMenu(), "Plots")), QStringList{"#1 "});

    ScriptedExport exporting(path());
    ASSERT_TRUE(GraphWidget::exportCsv({&widget}));
    const QList<QByteArray> lines = written().trimmed().split('\n');
    EXPECT_EQ(lines.front(), "Time [ms];Sway");
    EXPECT_EQ(lines.back().count(';'), 1);
}

// Cancelling the file dialog is no success, but no failure to report either.
TEST_F(GraphWidgetExportTest, CancelledExportWritesNothingAndReportsNoError) {
    step(source, {1.0f}, 100);
    ScriptedExport cancelled{QString()};
    EXPECT_FALSE(GraphWidget::exportCsv({&widget}));
    entry(*widget.buildContextMenu(), "Export")->trigger();
    EXPECT_EQ(cancelled.calls, 2);
    EXPECT_TRUE(cancelled.errors.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// The export once reported success after a failed write and the menu ignored the result, leaving
// the user with a truncated file or none at all. The menu's "Export" now tells the user which file
// failed and why; a write failing part-way is in CsvExportFullDiskPosixTest.cpp.
TEST_F(CsvExportFailure, TheUserLearnsWhichFileFailedAndWhy) {
    const QString path = folder.filePath(QStringLiteral("missing/graph.csv"));
    ScriptedExport exporting(path);
    exportFromTheMenu();
    ASSERT_EQ(exporting.errors.size(), 1);
    EXPECT_TRUE(exporting.errors[0].contains(QDir::toNativeSeparators(path)))
        << exporting.errors[0].toStdString();
    EXPECT_FALSE(exporting.errors[0].endsWith(QLatin1String(": "))) << "no reason given";
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
