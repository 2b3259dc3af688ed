#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh temporary folder; remove it when done.
inline std::filesystem::path scratchFolder() {
    std::string folder = (std::filesystem::temp_directory_path() / "keo-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data()))
        throw std::runtime_error("cannot create a temporary folder");
    return folder;
}

// A copy of a bundled example in a fresh temporary folder, so benchmarks that save never write
// into the repository. Remove the folder (the copy's parent) when done.
inline std::filesystem::path scratchCopyOfExample(const std::string& name) {
    const std::filesystem::path folder = scratchFolder();
    const auto copy = folder / name;
    std::filesystem::copy_file(std::filesystem::path(KEO_EXAMPLES_DIR) / name, copy);
    return copy;
}
