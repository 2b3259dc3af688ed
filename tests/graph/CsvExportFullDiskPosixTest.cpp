// A failed write leaves no partial file and an earlier export untouched. The process's file size
// limit, which stands in for a full disk, exists on POSIX systems only.
#include "CsvExportFixture.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>

namespace {

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
