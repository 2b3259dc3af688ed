#include "TextFile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>
#include <share.h>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <windows.h>

// Script files through the wide C runtime and the wide Win32 calls: paths stay UTF-16 all the way
// to the system, so every name the file system can hold can be opened.

namespace {

std::wstring nativePath(const WidePath& path) {
    return std::wstring(path.begin(), path.end());
}

// Owns a C runtime stream.
struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

// Binary reading with sharing that denies nothing to other openers; regular files only.
Stream openRegularFileForReading(const WidePath& path, std::uint64_t& size) {
    if (path.empty())
        return Stream();
    Stream stream(::_wfsopen(nativePath(path).c_str(), L"rb", _SH_DENYNO));
    struct _stat64 info {};
    if (!stream || ::_fstat64(::_fileno(stream.get()), &info) != 0 ||
        (info.st_mode & _S_IFMT) != _S_IFREG)
        return Stream();
    size = static_cast<std::uint64_t>(info.st_size);
    return stream;
}

bool readExactly(std::FILE* stream, char* data, std::uint64_t size) {
    std::uint64_t done = 0;
    while (done < size) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(size - done, 1u << 30));
        const std::size_t n = std::fread(data + done, 1, chunk, stream);
        if (n == 0)
            return false;
        done += n;
    }
    return true;
}

// Hands a file handle to a C runtime stream in text mode, which writes every LF as CR LF. The
// stream owns the handle from then on, also when it cannot be made.
Stream textStreamFor(HANDLE handle) {
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_TEXT);
    if (fd < 0) {
        ::CloseHandle(handle);
        return Stream();
    }
    Stream stream(::_fdopen(fd, "wt"));
    if (!stream)
        ::_close(fd);
    return stream;
}

// Writes the text and forces it to the disk; the stream stays open.
bool writeDurably(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0 && ::_commit(::_fileno(stream)) == 0;
}

bool closeStream(Stream& stream) {
    return std::fclose(stream.release()) == 0;
}

// The file a path finally names, so that saving through a link updates the linked file.
std::wstring resolvedTarget(const std::wstring& path) {
    const HANDLE handle =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return path;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(handle, resolved.data(), DWORD(resolved.size()),
                                               FILE_NAME_NORMALIZED);
    if (length >= resolved.size()) {
        resolved.resize(length + 1);
        length = ::GetFinalPathNameByHandleW(handle, resolved.data(), DWORD(resolved.size()),
                                             FILE_NAME_NORMALIZED);
    }
    ::CloseHandle(handle);
    if (length == 0 || length >= resolved.size())
        return path;
    resolved.resize(length);
    return resolved;
}

std::wstring siblingName(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};
    return target + L".saving-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter.fetch_add(1));
}

enum class Replacement { Done, Failed, FolderRefused };

// Errors after which the file itself may still be rewritten: the folder's permissions, or another
// program holding the file open without letting it be replaced.
bool refusedByFolder(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether the target may be renamed away, which replacing it does: not while another program holds
// it open without sharing deletion, nor where the folder's permissions forbid it. Asked first, as
// a refused replacement may leave the system's own scratch file behind.
DWORD replaceabilityOf(const std::wstring& target) {
    const HANDLE handle = ::CreateFileW(target.c_str(), DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return ::GetLastError();
    ::CloseHandle(handle);
    return ERROR_SUCCESS;
}

// Writes the text into a new file beside the target and moves it over the target. ReplaceFileW
// keeps the original's attributes, security and creation time.
Replacement replaceThroughSibling(const std::wstring& target, bool exists,
                                  const std::string& text) {
    if (exists) {
        const DWORD replaceability = replaceabilityOf(target);
        if (replaceability != ERROR_SUCCESS)
            return refusedByFolder(replaceability) ? Replacement::FolderRefused
                                                   : Replacement::Failed;
    }
    const std::wstring temporary = siblingName(target);
    const HANDLE handle = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return refusedByFolder(::GetLastError()) ? Replacement::FolderRefused : Replacement::Failed;
    Stream stream = textStreamFor(handle);
    const bool written = stream && writeDurably(stream.get(), text) && closeStream(stream);
    stream.reset();

    const bool moved =
        written && (exists ? ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                           : ::MoveFileExW(temporary.c_str(), target.c_str(),
                                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (moved)
        return Replacement::Done;
    const DWORD error = ::GetLastError();
    ::DeleteFileW(temporary.c_str());
    return written && refusedByFolder(error) ? Replacement::FolderRefused : Replacement::Failed;
}

// Rewrites the file through its own handle: attributes, security and links stay. Not atomic,
// hence only where the replacement is refused. Other openers may keep reading and writing.
bool rewriteInPlace(const std::wstring& target, const std::string& text) {
    const HANDLE handle = ::CreateFileW(target.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    Stream stream = textStreamFor(handle);
    // The handle now belongs to the stream; after the flush its position is the new end.
    return stream && writeDurably(stream.get(), text) && ::SetEndOfFile(handle) &&
           ::_commit(::_fileno(stream.get())) == 0 && closeStream(stream);
}

} // namespace

bool readWholeFile(const WidePath& path, std::vector<char>& bytes) {
    std::uint64_t size = 0;
    const Stream stream = openRegularFileForReading(path, size);
    return stream && sizeForWholeFile(bytes, size) && readExactly(stream.get(), bytes.data(), size);
}

bool canOpenForReading(const WidePath& path) {
    std::uint64_t size = 0;
    return openRegularFileForReading(path, size) != nullptr;
}

bool writeTextFileAtomically(const WidePath& path, const std::string& text) {
    if (path.empty())
        return false;
    const std::wstring target = resolvedTarget(nativePath(path));

    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;

    switch (replaceThroughSibling(target, exists, text)) {
    case Replacement::Done:
        return true;
    case Replacement::FolderRefused:
        return exists && rewriteInPlace(target, text);
    case Replacement::Failed:
        break;
    }
    return false;
}
