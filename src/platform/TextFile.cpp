#include "TextFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <stdexcept>
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

} // namespace

bool readWholeFile(const WidePath& path, std::vector<char>& bytes) {
    std::uint64_t size = 0;
    const FileDescriptor fd = openRegularFileForReading(path, size);
    if (!fd.valid() || size > bytes.max_size())
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    return readExactly(fd.get(), bytes.data(), size);
}

bool readTextFile(const WidePath& path, std::string& text) {
    std::vector<char> bytes;
    if (!readWholeFile(path, bytes))
        return false;
    text = crlfToLf(std::string(bytes.begin(), bytes.end()));
    return true;
}

bool canOpenForReading(const WidePath& path) {
    std::uint64_t size = 0;
    return openRegularFileForReading(path, size).valid();
}

bool writeTextFileAtomically(const WidePath& path, const std::string& text) {
    if (path.empty())
        return false;
    const std::string target = resolvedTarget(toUtf8(path));

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return false;

    std::string temporaryName = target + ".saving-XXXXXX";
    FileDescriptor fd(::mkstemp(temporaryName.data()));
    if (!fd.valid())
        return false;

    const mode_t mode = exists ? (existing.st_mode & 07777) : permissionsForNewFile();
    const bool written = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), lfToCrlf(text)) &&
                         ::fsync(fd.get()) == 0 && fd.close();
    if (!written || ::rename(temporaryName.c_str(), target.c_str()) != 0) {
        ::unlink(temporaryName.c_str());
        return false;
    }
    return true;
}

std::string crlfToLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

std::string lfToCrlf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
