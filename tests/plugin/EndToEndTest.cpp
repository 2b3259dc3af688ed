// One session through the real user interface, as an engineer works: open a two-cluster script,
// choose the second cluster and the second parameter set, type a new output-filter cutoff, see
// the modified marks, press Ctrl+S, and find exactly that change in the file.
#include "KEOUI64/KEOUI64.h"
#include "config/ConfigWriter.h"
#include "platform/TextFile.h"
#include "script/ScriptFile.h"
#include "support/Eventually.h"
#include "support/GuiTestMessages.h"
#include "support/TempDir.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Finds an item by object name below `scope`, optionally below a named item first.
QQuickItem* findItem(QObject* scope, const char* name) {
    return scope ? scope->findChild<QQuickItem*>(QString::fromLatin1(name)) : nullptr;
}

QPoint centreOf(const QQuickItem* item) {
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

void click(QQuickView& view, const QQuickItem* item) {
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, centreOf(item));
}

QString textOf(const QObject* item) {
    return item->property("text").toString();
}

// The parts of a script outside its two sections, in text-mode form.
std::string outsideSections(const std::string& text) {
    const std::size_t firstBody = text.find("KEO(") + 4;
    const std::size_t firstEnd = text.find(")KEO");
    const std::size_t secondBody = text.find("KEO_C2(") + 7;
    const std::size_t secondEnd = text.find(")KEO_C2");
    return text.substr(0, firstBody) + text.substr(firstEnd, secondBody - firstEnd) +
           text.substr(secondEnd);
}

TEST(EndToEndTest, EditInTheSecondParameterSetOfClusterTwoAndSave) {
    TempDir temp;
    const auto script = temp.file("two_clusters.cpp");
    std::filesystem::copy_file(examplePath("two_clusters.cpp"), script);
    const std::string original = readBytes(script);
    ConfigMap before;
    ASSERT_EQ(loadScript(script.u16string(), before).code, Success);

    DestructionNotifier notifier;
    JVX::GraphWidgetRepainter repainter;
    const WorkEnvelopeLimits envelopes[2] = {{0.4f, 0.4f, 0.4f, 0.2f, 0.2f, 0.2f, 1},
                                             {0.5f, 0.5f, 0.5f, 0.3f, 0.3f, 0.3f, 1}};
    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("qt_scale"), 1.0);
    GuiTestMessages::instance().take();
    ASSERT_EQ(Create(&view, QString::fromStdString(script.string()), false, &notifier, &repainter,
                     nullptr, envelopes),
              0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QQuickItem* root = view.rootObject();
    ASSERT_NE(root, nullptr);

    // "Cluster #2" in the cluster dialog.
    QObject* clusterDialog = root->findChild<QObject*>(QStringLiteral("clusterDialog"));
    ASSERT_NE(clusterDialog, nullptr);
    ASSERT_TRUE(eventually([&] { return clusterDialog->property("opened").toBool(); }));
    QQuickItem* clusterTwo = findItem(clusterDialog, "dialogSecondButton");
    ASSERT_NE(clusterTwo, nullptr);
    EXPECT_EQ(textOf(clusterTwo), "Cluster #2");
    click(view, clusterTwo);
    ASSERT_TRUE(eventually([&] { return !clusterDialog->property("visible").toBool(); }));
    ASSERT_TRUE(eventually([&] { return view.title().endsWith("[Cluster #2]"); }));

    // "Param set #2".
    QQuickItem* paramSetTwo = findItem(root, "paramSet2Radio");
    ASSERT_NE(paramSetTwo, nullptr);
    click(view, paramSetTwo);
    ASSERT_TRUE(eventually([&] { return paramSetTwo->property("checked").toBool(); }));

    // A new cutoff typed into the travel output filter of the lateral page.
    QQuickItem* lateralPage = findItem(root, "lateralPage");
    ASSERT_TRUE(lateralPage && lateralPage->isVisible());
    QQuickItem* outputFilter = findItem(lateralPage, "travelOutputFilter");
    QQuickItem* cutoff = findItem(outputFilter, "cutoffEdit");
    ASSERT_NE(cutoff, nullptr);
    QQuickItem* blockTitle = findItem(outputFilter, "blockTitle");
    QQuickItem* lateralTab = findItem(root, "lateralTabButton");
    EXPECT_EQ(textOf(blockTitle), "Output filter");
    click(view, cutoff);
    ASSERT_TRUE(eventually([&] { return cutoff->hasActiveFocus(); }));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    for (const char key : std::string("1,75"))
        QTest::keyClick(&view, key);
    ASSERT_TRUE(eventually([&] { return textOf(blockTitle) == QStringLiteral("Output filter*"); }));
    EXPECT_TRUE(textOf(lateralTab).endsWith('*'));
    EXPECT_TRUE(view.title().endsWith("[Cluster #2]*"));

    // Ctrl+S writes both sections; the marks go.
    QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(eventually([&] { return !view.title().endsWith('*'); }));
    EXPECT_EQ(textOf(blockTitle), "Output filter");
    EXPECT_FALSE(textOf(lateralTab).endsWith('*'));

    std::string saved;
    ASSERT_TRUE(readTextFile(script.u16string(), saved));
    EXPECT_EQ(outsideSections(saved), outsideSections(original));
    EXPECT_EQ(readBytes(script).find("\r\n") != std::string::npos, true);
    ConfigMap after;
    ASSERT_EQ(loadScript(script.u16string(), after).code, Success);
    ConfigMap expected = before;
    expected[1].lateral.travel.outputFilter.cutoff[1] = 1.75f;
    for (const int cluster : {0, 1}) {
        Json written, wanted;
        writeConfig(after[cluster], written);
        writeConfig(expected[cluster], wanted);
        EXPECT_EQ(written, wanted) << "cluster " << cluster;
    }
    EXPECT_TRUE(GuiTestMessages::instance().take().isEmpty());
}

} // namespace
