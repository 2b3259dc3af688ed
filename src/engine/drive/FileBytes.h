#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

// Bytes of a recording, read whole (a CSV file) or piece by piece at given offsets (a binary
// recording, which may be far larger than what it takes to play it).
namespace engine::drive {

// Every byte of the file at `path`; throws DriveError naming it when it cannot be read.
std::string readWholeFile(const std::string& path);

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies `count` bytes from `offset` into `into`; the range lies within size().
    virtual void read(std::uint64_t offset, std::size_t count, char* into) = 0;
};

class MemoryBytes : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes)
        : m_bytes(bytes) {}
    std::uint64_t size() const override { return m_bytes.size(); }
    void read(std::uint64_t offset, std::size_t count, char* into) override;

private:
    std::string_view m_bytes;
};

// Throws DriveError naming the file when it cannot be opened or read.
class FileBytes : public ByteSource {
public:
    explicit FileBytes(const std::string& path);
    std::uint64_t size() const override { return m_size; }
    void read(std::uint64_t offset, std::size_t count, char* into) override;

private:
    std::string m_path;
    std::ifstream m_file;
    std::uint64_t m_size = 0;
};

} // namespace engine::drive
