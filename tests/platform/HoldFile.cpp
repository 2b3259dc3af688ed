// Another program holding a file open, for the saving tests: opens the file with the sharing given
// and keeps it open until told to let go.
//   keo_hold_file PATH SHARING EVENT
// SHARING is any of r, w, d (others may read, write, delete or rename); EVENT names the pair of
// events EVENT-open (set once the file is open) and EVENT-release (waited for, at most a minute).
#include <cwchar>
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 4)
        return 2;
    DWORD sharing = 0;
    for (const wchar_t* flag = argv[2]; *flag; ++flag) {
        if (*flag == L'r')
            sharing |= FILE_SHARE_READ;
        else if (*flag == L'w')
            sharing |= FILE_SHARE_WRITE;
        else if (*flag == L'd')
            sharing |= FILE_SHARE_DELETE;
    }
    const std::wstring event = argv[3];
    const HANDLE opened = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, (event + L"-open").c_str());
    const HANDLE release = ::OpenEventW(SYNCHRONIZE, FALSE, (event + L"-release").c_str());
    const HANDLE file = ::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, sharing, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!opened || !release || file == INVALID_HANDLE_VALUE)
        return 1;
    ::SetEvent(opened);
    ::WaitForSingleObject(release, 60000);
    ::CloseHandle(file);
    return 0;
}
