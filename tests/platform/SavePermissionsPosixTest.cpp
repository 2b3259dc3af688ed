#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// An unprivileged account: as the superuser every folder would be writable.
constexpr uid_t nobody = 65534;
constexpr gid_t nogroup = 65534;

struct stat statOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

// Saves in a child process that runs without privileges, so that the folder's permissions
// count; returns whether the save reported success.
bool saveWithoutPrivileges(const fs::path& path, const std::string& text) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nogroup) != 0 || ::setuid(nobody) != 0))
            ::_exit(2);
        ::_exit(writeTextFileAtomically(path.u16string(), text) ? 0 : 1);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "cannot drop privileges";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct SharedFolderCase {
    const char* name;
    mode_t fileMode;
    bool saved;
};

class SaveInSharedFolder : public ::testing::TestWithParam<SharedFolderCase> {};

// A shared configuration folder: the script is writable for everyone, the folder for nobody
// but its owner. Saving cannot place a new file beside the script, so it rewrites the script
// itself; a read-only script stays as it was.
TEST_P(SaveInSharedFolder, RewritesAWritableFileInPlace) {
    TempDir temp;
    const fs::path folder = temp.path() / "shared";
    const fs::path script = folder / "script.cpp";
    fs::create_directory(folder);
    writeBytes(script, "old\r\nline\r\n");
    ASSERT_EQ(::chmod(script.c_str(), GetParam().fileMode), 0);
    ASSERT_EQ(::chmod(temp.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const struct stat before = statOf(script);

    EXPECT_EQ(saveWithoutPrivileges(script, "new\n"), GetParam().saved);

    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(readBytes(script), GetParam().saved ? "new\r\n" : "old\r\nline\r\n");
    const struct stat after = statOf(script);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "nothing may be left beside the script";
}

INSTANTIATE_TEST_SUITE_P(Modes, SaveInSharedFolder,
                         ::testing::Values(SharedFolderCase{"Writable", 0666, true},
                                           SharedFolderCase{"ReadOnly", 0444, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Where the folder allows it the script is still replaced whole, and it keeps its owner and group
// when the process may give them (the superuser saving another user's script).
TEST(SaveReplacement, KeepsOwnerGroupAndPermissions) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to another user";
    TempDir temp;
    const fs::path script = temp.file("script.cpp");
    writeBytes(script, "old\r\n");
    ASSERT_EQ(::chown(script.c_str(), nobody, nogroup), 0);
    ASSERT_EQ(::chmod(script.c_str(), 0640), 0);
    const struct stat before = statOf(script);

    ASSERT_TRUE(writeTextFileAtomically(script.u16string(), "new\n"));

    EXPECT_EQ(readBytes(script), "new\r\n");
    const struct stat after = statOf(script);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not rewritten";
    EXPECT_EQ(after.st_uid, nobody);
    EXPECT_EQ(after.st_gid, nogroup);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
}

} // namespace
