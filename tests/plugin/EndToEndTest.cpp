// One session through the real user interface, as an engineer works: open a two-cluster script,
// choose the second cluster and the second parameter set, type a new output-filter cutoff, see
// the modified marks, press Ctrl+S, and find exactly that change in the file.
#include "EditorHost.h"
#include "config/ConfigWriter.h"
#include "platform/TextFile.h"
#include "script/ScriptFile.h"
#include "support/Eventually.h"
#include "support/GuiTestMessages.h"

#include <gtest/gtest.h>

namespace {

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
    EditorHost host;
    const auto script = host.copyOfExample("two_clusters.cpp");
    const std::string original = readBytes(script);
    ConfigMap before;
    ASSERT_EQ(loadScript(script.u16string(), before).code, Success);

    auto view = makeView();
    GuiTestMessages::instance().take();
    ASSERT_EQ(host.create(view.get(), qPath(script)), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QQuickItem* root = view->rootObject();
    ASSERT_NE(root, nullptr);

    // "Cluster #2" in the cluster dialog.
    QObject* clusterDialog = root->findChild<QObject*>(QStringLiteral("clusterDialog"));
    ASSERT_NE(clusterDialog, nullptr);
    ASSERT_TRUE(eventually([&] { return clusterDialog->property("opened").toBool(); }));
    QQuickItem* clusterTwo = findItem(*clusterDialog, "dialogSecondButton");
    ASSERT_NE(clusterTwo, nullptr);
    EXPECT_EQ(textOf(clusterTwo), "Cluster #2");
    clickCentre(*view, *clusterTwo);
    ASSERT_TRUE(eventually([&] { return !clusterDialog->property("visible").toBool(); }));
    ASSERT_TRUE(eventually([&] { return view->title().endsWith("[Cluster #2]"); }));

    // "Param set #2".
    QQuickItem* paramSetTwo = findItem(*root, "paramSet2Radio");
    ASSERT_NE(paramSetTwo, nullptr);
    clickCentre(*view, *paramSetTwo);
    ASSERT_TRUE(eventually([&] { return paramSetTwo->property("checked").toBool(); }));

    // A new cutoff typed into the travel output filter of the lateral page.
    QQuickItem* lateralPage = findItem(*root, "lateralPage");
    ASSERT_TRUE(lateralPage && lateralPage->isVisible());
    QQuickItem* outputFilter = findItem(*lateralPage, "travelOutputFilter");
    ASSERT_NE(outputFilter, nullptr);
    QQuickItem* cutoff = findItem(*outputFilter, "cutoffEdit");
    QQuickItem* blockTitle = findItem(*outputFilter, "blockTitle");
    QQuickItem* lateralTab = findItem(*root, "lateralTabButton");
    ASSERT_TRUE(cutoff && blockTitle && lateralTab);
    EXPECT_EQ(textOf(blockTitle), "Output filter");
    clickCentre(*view, *cutoff);
    ASSERT_TRUE(eventually([&] { return cutoff->hasActiveFocus(); }));
    QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
    for (const char key : std::string("1,75"))
        QTest::keyClick(view.get(), key);
    ASSERT_TRUE(eventually([&] { return textOf(blockTitle) == QStringLiteral("Output filter*"); }));
    EXPECT_TRUE(textOf(lateralTab).endsWith('*'));
    EXPECT_TRUE(view->title().endsWith("[Cluster #2]*"));

    // Ctrl+S writes both sections; the marks go.
    QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(eventually([&] { return !view->title().endsWith('*'); }));
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
