#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "page/file_row.h"

namespace varmio {

struct FileCopy {
    std::string from;
    std::string to;
    bool operator==(const FileCopy&) const = default;
};

// The rows whose mark is exactly " " (a blank), in list order, each into `target` + "/" + name.
// The target is used as typed: a final separator just doubles.
std::vector<FileCopy> folderCopyPlan(const std::vector<FileRow>& rows, const std::string& target);

// How far a copy has come: file `file` of `files` (from 1) is being copied, `bytes` of all
// `total` bytes are done.
struct CopyProgress {
    size_t file = 0;
    size_t files = 0;
    std::string name;
    std::uintmax_t bytes = 0;
    std::uintmax_t total = 0;
};

// Copies in order, replacing files of the same name. `report` hears the progress before each
// file and after each piece of one; once it answers false the copy stops, the file it was
// writing is deleted and RuntimeError errnum::kUserInterrupt is thrown. The first failure is
// thrown; earlier copies stay.
void runCopyPlan(const std::vector<FileCopy>& plan,
                 const std::function<bool(const CopyProgress&)>& report);

}  // namespace varmio
