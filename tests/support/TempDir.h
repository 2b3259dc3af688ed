#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

// A scratch folder that disappears with the test, plus byte-exact file helpers.
class TempDir {
public:
    TempDir() {
        namespace fs = std::filesystem;
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate =
                fs::temp_directory_path() / ("keo-test-" + std::to_string(random()));
            std::error_code error;
            if (fs::create_directory(candidate, error)) {
                fs::permissions(candidate, fs::perms::owner_all, error);
                m_path = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }
    // A copy of a bundled example here, under its own name or `as`.
    std::filesystem::path copyOfExample(const std::string& name, const std::string& as = "") const;

private:
    std::filesystem::path m_path;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::filesystem::path examplePath(const std::string& name) {
    return std::filesystem::path(KEO_EXAMPLES_DIR) / name;
}

inline std::filesystem::path TempDir::copyOfExample(const std::string& name,
                                                    const std::string& as) const {
    const std::filesystem::path copy = file(as.empty() ? name : as);
    std::filesystem::copy_file(examplePath(name), copy);
    return copy;
}
