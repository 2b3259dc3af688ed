// What only Windows has: non-ASCII wide paths, the read-only attribute, files held open by other
// programs with their sharing modes, and text mode's CR LF on disk.
#include "platform/TextFile.h"
#include "platform/WindowGestures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

WidePath wide(const fs::path& path) {
    return path.u16string();
}

std::wstring native(const fs::path& path) {
    return path.wstring();
}

// The names in a folder, for the messages of failed checks.
std::string namesIn(const fs::path& folder) {
    std::string names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names += entry.path().filename().u8string() + " ";
    return names;
}

TEST(WindowsPaths, NonAsciiFolderAndNameAreUsedAsTheyAre) {
    TempDir temp;
    const fs::path folder = temp.path() / u"\u00DCn\u00EFc\u00F8d\u00E9";
    const fs::path script = folder / u"\u914D\u7F6E.cpp";
    ASSERT_TRUE(::CreateDirectoryW(native(folder).c_str(), nullptr));

    ASSERT_TRUE(writeTextFileAtomically(wide(script), "R\"KEO({})KEO\"\n"));

    // The exact wide name exists: no conversion through a narrow code page replaced a character.
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((native(folder) + L"\\*.cpp").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::wstring(found.cFileName), L"\u914D\u7F6E.cpp");
    EXPECT_FALSE(::FindNextFileW(search, &found)) << "one file only, nothing left beside it";
    ::FindClose(search);

    std::string text;
    EXPECT_TRUE(canOpenForReading(wide(script)));
    ASSERT_TRUE(readTextFile(wide(script), text));
    EXPECT_EQ(text, "R\"KEO({})KEO\"\n");
}

// Text mode on disk: every LF is written as CR LF; reading turns CR LF pairs back into LF and
// leaves a lone CR and a Ctrl+Z (which the runtime's text mode would take for the end) as they are.
TEST(WindowsTextMode, CrLfOnDiskAndBackByteForByte) {
    TempDir temp;
    const fs::path script = temp.file("script.cpp");
    const std::string onDisk = "a\r\nb\rc\x1A"
                               "d\r\n\r\n";
    writeBytes(script, onDisk);

    std::string text;
    ASSERT_TRUE(readTextFile(wide(script), text));
    EXPECT_EQ(text, "a\nb\rc\x1A"
                    "d\n\n");
    ASSERT_TRUE(writeTextFileAtomically(wide(script), text));
    EXPECT_EQ(readBytes(script), onDisk);
}

TEST(WindowsAttributes, ReadOnlyFileIsNotWritten) {
    TempDir temp;
    const fs::path script = temp.file("script.cpp");
    writeBytes(script, "old\r\n");
    ASSERT_TRUE(::SetFileAttributesW(native(script).c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(writeTextFileAtomically(wide(script), "new\n"));

    ::SetFileAttributesW(native(script).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBytes(script), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

// Runs keo_hold_file (built beside this test) on a file until the object goes.
class FileHolder {
public:
    FileHolder(const fs::path& file, const wchar_t* sharing) {
        const std::wstring event = L"keo-hold-" + std::to_wstring(::GetCurrentProcessId());
        m_opened = ::CreateEventW(nullptr, TRUE, FALSE, (event + L"-open").c_str());
        m_release = ::CreateEventW(nullptr, TRUE, FALSE, (event + L"-release").c_str());
        std::wstring command =
            L"\"" + helperPath() + L"\" \"" + native(file) + L"\" " + sharing + L" " + event;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process))
            return;
        ::CloseHandle(process.hThread);
        m_process = process.hProcess;
        const HANDLE waitFor[] = {m_opened, m_process};
        m_holding = ::WaitForMultipleObjects(2, waitFor, FALSE, 30000) == WAIT_OBJECT_0;
    }
    ~FileHolder() {
        ::SetEvent(m_release);
        if (m_process) {
            ::WaitForSingleObject(m_process, 30000);
            ::CloseHandle(m_process);
        }
        ::CloseHandle(m_release);
        ::CloseHandle(m_opened);
    }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool holding() const { return m_holding; }

private:
    static std::wstring helperPath() {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        return (fs::path(self).parent_path() / L"keo_hold_file.exe").wstring();
    }

    HANDLE m_opened = nullptr;
    HANDLE m_release = nullptr;
    HANDLE m_process = nullptr;
    bool m_holding = false;
};

struct HeldFileCase {
    const char* name;
    const wchar_t* sharing;
    bool saved;
};

class SaveWhileHeld : public ::testing::TestWithParam<HeldFileCase> {};

// A program that lets others write (as the C runtime's deny-none opening does) cannot stop a save,
// whether or not it lets the file be replaced; one that denies writing makes the save fail, and
// the file stays as it was.
TEST_P(SaveWhileHeld, SucceedsWhereTheHolderAllowsWriting) {
    TempDir temp;
    const fs::path script = temp.file("script.cpp");
    writeBytes(script, "old\r\nline\r\n");
    {
        const FileHolder holder(script, GetParam().sharing);
        ASSERT_TRUE(holder.holding());
        EXPECT_EQ(writeTextFileAtomically(wide(script), "new\n"), GetParam().saved);
    }
    EXPECT_EQ(readBytes(script), GetParam().saved ? "new\r\n" : "old\r\nline\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1)
        << "nothing may be left beside the script: " << namesIn(temp.path());
}

INSTANTIATE_TEST_SUITE_P(Sharing, SaveWhileHeld,
                         ::testing::Values(HeldFileCase{"ReadWriteDelete", L"rwd", true},
                                           HeldFileCase{"ReadWrite", L"rw", true},
                                           HeldFileCase{"ReadOnly", L"r", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsGestures, MessagesThatStartAndEndAMoveOrResize) {
    const struct {
        const char* eventType;
        UINT message;
        WindowGesture gesture;
    } cases[] = {
        {"windows_generic_MSG", WM_ENTERSIZEMOVE, WindowGesture::MoveOrResizeStarted},
        {"windows_generic_MSG", WM_EXITSIZEMOVE, WindowGesture::MoveOrResizeFinished},
        {"windows_dispatcher_MSG", WM_EXITSIZEMOVE, WindowGesture::MoveOrResizeFinished},
        {"windows_generic_MSG", WM_MOVE, WindowGesture::None},
        {"xcb_generic_event_t", WM_EXITSIZEMOVE, WindowGesture::None},
    };
    for (const auto& c : cases) {
        MSG message{};
        message.message = c.message;
        EXPECT_EQ(windowGestureOf(c.eventType, &message), c.gesture)
            << c.eventType << " " << c.message;
    }
    EXPECT_EQ(windowGestureOf("windows_generic_MSG", nullptr), WindowGesture::None);
}

} // namespace
