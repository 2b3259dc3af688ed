#include "FileBytes.h"

#include "Drive.h"

#include <algorithm>
#include <cstring>

namespace engine::drive {

std::string readWholeFile(const std::string& path) {
    FileBytes file(path);
    std::string text(std::size_t(file.size()), '\0');
    file.read(0, text.size(), text.data());
    return text;
}

void MemoryBytes::read(std::uint64_t offset, std::size_t count, char* into) {
    std::memcpy(into, m_bytes.data() + offset, count);
}

FileBytes::FileBytes(const std::string& path)
    : m_path(path)
    , m_file(path, std::ios::binary) {
    if (!m_file)
        throw DriveError(path + ": cannot open the file");
    m_file.seekg(0, std::ios::end);
    m_size = std::uint64_t(std::max<std::streamoff>(m_file.tellg(), 0));
}

void FileBytes::read(std::uint64_t offset, std::size_t count, char* into) {
    m_file.seekg(std::streamoff(offset), std::ios::beg);
    m_file.read(into, std::streamsize(count));
    if (m_file.bad() || m_file.gcount() != std::streamsize(count))
        throw DriveError(m_path + ": cannot read the file");
}

} // namespace engine::drive
