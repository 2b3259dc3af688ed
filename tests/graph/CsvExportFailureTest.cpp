// The export once reported success after a failed write and the menu ignored the result, leaving
// the user with a truncated file or none at all. The menu's "Export" now tells the user which file
// failed and why; a write failing part-way is in CsvExportFullDiskPosixTest.cpp.
#include "CsvExportFixture.h"

#include <QDir>
#include <QFile>

namespace {

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
