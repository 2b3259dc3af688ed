// keo-editor's command line, run as the program it builds.
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A graph name the editor does not have is a bad argument like any other: exit status 2, the
// names it has, and no picture.
TEST(KeoEditorCommandLine, AnUnknownGraphNameIsRefusedWithTheKnownNames) {
    TempDir temp;
    const auto script = temp.copyOfExample("one_cluster.cpp");
    const auto picture = temp.file("graph.png");
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(environment);
    editor.start(KEO_EDITOR_PATH,
                 {QString::fromStdString(script.string()), "--graph", "__longitudinal.nothing",
                  "--screenshot", QString::fromStdString(picture.string())});
    ASSERT_TRUE(editor.waitForFinished(60000));
    EXPECT_EQ(editor.exitCode(), 2);
    const QString errors = QString::fromUtf8(editor.readAllStandardError());
    EXPECT_TRUE(errors.contains("__longitudinal.outputTravelLimit")) << errors.toStdString();
    EXPECT_FALSE(std::filesystem::exists(picture));
}

} // namespace
