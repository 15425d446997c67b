#pragma once

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

// Copies in order, replacing files of the same name; `afterEach` runs after every copy (the
// window repaints between large files). The first failure is thrown; earlier copies stay.
void runCopyPlan(const std::vector<FileCopy>& plan, const std::function<void()>& afterEach);

}  // namespace varmio
