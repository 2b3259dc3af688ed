// The export once reported success after a failed write and the menu ignored the result, leaving
// the user with a truncated file or none at all. The menu's "Export" now tells the user which file
// failed and why, and a failed write leaves no partial file and an earlier file untouched.
#include "graph/GraphDialogs.h"
#include "graph/GraphSource.h"
#include "graph/GraphWidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace JVX;

namespace {

// Answers the file dialog with one path and records the errors shown to the user.
class ScriptedExport {
public:
    explicit ScriptedExport(const QString& path)
        : m_previousChooser(
              setSaveFileChooser([path](QWidget*, const QString&, const QString&) { return path; }))
        , m_previousReporter(setErrorReporter(
              [this](QWidget*, const QString&, const QString& message) { errors << message; })) {}
    ~ScriptedExport() {
        setSaveFileChooser(m_previousChooser);
        setErrorReporter(m_previousReporter);
    }

    QStringList errors;

private:
    SaveFileChooser m_previousChooser;
    ErrorReporter m_previousReporter;
};

// Limits the size of files this process writes, so that a write fails part-way like on a full
// disk; the signal such a write raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

class CsvExportFailure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        widget.setTitle(QStringLiteral("Lateral"));
        source->setMaxOnScreen(4000);
        for (int step = 0; step < 4000; ++step) {
            const float values[2] = {float(step), -float(step)};
            source->addSamples(2, values, false, 1000 + std::uint64_t(step));
        }
    }

    void exportFromTheMenu() {
        const std::unique_ptr<QMenu> menu = widget.buildContextMenu();
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("Export"))
                action->trigger();
    }

    QTemporaryDir folder;
    GraphWidget widget{nullptr, nullptr, true};
    GraphSource* source = widget.source();
};

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

TEST_F(CsvExportFailure, AWriteFailingPartWayLeavesTheEarlierFileAndNoPartialOne) {
    const QString path = folder.filePath(QStringLiteral("graph.csv"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export\n");
    }
    ScriptedExport exporting(path);
    {
        const FileSizeLimit limit(4096); // far less than 4000 rows
        exportFromTheMenu();
    }
    EXPECT_EQ(exporting.errors.size(), 1);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("earlier export\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("graph.csv")});

    // The same export without the limit succeeds and reports nothing.
    exportFromTheMenu();
    EXPECT_EQ(exporting.errors.size(), 1);
    EXPECT_GT(QFile(path).size(), 4096);
}

} // namespace
