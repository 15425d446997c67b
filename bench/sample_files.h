#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "page/file_row.h"

namespace varmio::bench {

// Writes `count` files of `size` bytes into the folder `source` (made here), each with its own
// bytes so that no layer below can take a shortcut, and returns their rows.
inline std::vector<FileRow> writeSampleFiles(const std::filesystem::path& source, int count,
                                             size_t size) {
    std::filesystem::create_directories(source);
    std::vector<FileRow> rows;
    std::string bytes(size, '\0');
    for (int f = 0; f < count; ++f) {
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 131 + static_cast<size_t>(f) * 17) % 251);
        const std::string name = "file" + std::to_string(f) + ".bin";
        std::ofstream(source / name, std::ios::binary) << bytes;
        rows.push_back({source.string() + "/", name, " "});
    }
    return rows;
}

}  // namespace varmio::bench
