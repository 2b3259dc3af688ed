#include "TextFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns a POSIX file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : m_fd(other.m_fd) {
        other.m_fd = -1;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

FileDescriptor openRegularFileForReading(const WidePath& path, std::uint64_t& size) {
    if (path.empty())
        return FileDescriptor();
    FileDescriptor fd(::open(toUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return FileDescriptor();
    size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

bool readExactly(int fd, char* data, std::uint64_t size) {
    std::uint64_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, std::min<std::uint64_t>(size - done, 1u << 30));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path finally names, so that saving through a link updates the linked file.
std::string resolvedTarget(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

mode_t permissionsForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The owner of an existing file, or none for a new one.
struct Ownership {
    bool exists = false;
    struct stat info {};
};

// Gives the replacement the original's owner and group; a process that may not give away the
// file (anyone but the superuser) may still keep its group if it belongs to it.
void keepOwnerAndGroup(int fd, const Ownership& original) {
    if (!original.exists)
        return;
    if (::fchown(fd, original.info.st_uid, original.info.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), original.info.st_gid);
}

enum class Replacement { Done, Failed, FolderRefused };

bool refusedByFolder(int error) {
    return error == EACCES || error == EPERM;
}

// Writes the bytes into a new file beside the target and renames it over the target.
Replacement replaceThroughSibling(const std::string& target, const Ownership& original,
                                  const std::string& bytes) {
    std::string temporaryName = target + ".saving-XXXXXX";
    FileDescriptor fd(::mkstemp(temporaryName.data()));
    if (!fd.valid())
        return refusedByFolder(errno) ? Replacement::FolderRefused : Replacement::Failed;

    // The owner first: changing it clears set-id bits that the mode then restores.
    keepOwnerAndGroup(fd.get(), original);
    const mode_t mode = original.exists ? (original.info.st_mode & 07777) : permissionsForNewFile();
    const bool written = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), bytes) &&
                         ::fsync(fd.get()) == 0 && fd.close();
    if (written && ::rename(temporaryName.c_str(), target.c_str()) == 0)
        return Replacement::Done;
    // A sticky folder lets only a file's owner replace it.
    const int error = errno;
    ::unlink(temporaryName.c_str());
    return written && refusedByFolder(error) ? Replacement::FolderRefused : Replacement::Failed;
}

// Rewrites the file through its own inode: owner, group, permissions and links stay. Not atomic,
// hence only where the folder refuses the replacement.
bool rewriteInPlace(const std::string& target, const std::string& bytes) {
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    struct stat info {};
    return fd.valid() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) &&
           writeAll(fd.get(), bytes) && ::ftruncate(fd.get(), off_t(bytes.size())) == 0 &&
           ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

bool readWholeFile(const WidePath& path, std::vector<char>& bytes) {
    std::uint64_t size = 0;
    const FileDescriptor fd = openRegularFileForReading(path, size);
    return fd.valid() && sizeForWholeFile(bytes, size) && readExactly(fd.get(), bytes.data(), size);
}

bool canOpenForReading(const WidePath& path) {
    std::uint64_t size = 0;
    return openRegularFileForReading(path, size).valid();
}

bool writeTextFileAtomically(const WidePath& path, const std::string& text) {
    if (path.empty())
        return false;
    const std::string target = resolvedTarget(toUtf8(path));

    Ownership original;
    original.exists = ::stat(target.c_str(), &original.info) == 0;
    if (original.exists && (!S_ISREG(original.info.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return false;

    const std::string bytes = lfToCrlf(text);
    switch (replaceThroughSibling(target, original, bytes)) {
    case Replacement::Done:
        return true;
    case Replacement::FolderRefused:
        return original.exists && rewriteInPlace(target, bytes);
    case Replacement::Failed:
        break;
    }
    return false;
}
