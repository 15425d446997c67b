#include "folder_copy.h"

#include "platform/files.h"

namespace varmio {

std::vector<FileCopy> folderCopyPlan(const std::vector<FileRow>& rows, const std::string& target) {
    std::vector<FileCopy> plan;
    for (const FileRow& row : rows)
        if (row.mark == " ") plan.push_back({row.path(), target + "/" + row.name});
    return plan;
}

void runCopyPlan(const std::vector<FileCopy>& plan, const std::function<void()>& afterEach) {
    for (const FileCopy& copy : plan) {
        copyFile(copy.from, copy.to);
        afterEach();
    }
}

}  // namespace varmio
