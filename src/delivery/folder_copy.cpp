#include "folder_copy.h"

#include <filesystem>

#include "platform/errors.h"
#include "platform/files.h"

namespace varmio {

std::vector<FileCopy> folderCopyPlan(const std::vector<FileRow>& rows, const std::string& target) {
    std::vector<FileCopy> plan;
    for (const FileRow& row : rows)
        if (row.mark == " ") plan.push_back({row.path(), target + "/" + row.name});
    return plan;
}

void runCopyPlan(const std::vector<FileCopy>& plan,
                 const std::function<bool(const CopyProgress&)>& report) {
    CopyProgress progress{0, plan.size(), {}, 0, 0};
    for (const FileCopy& copy : plan) {
        std::error_code unknown;
        const std::uintmax_t size = std::filesystem::file_size(copy.from, unknown);
        progress.total += unknown ? 0 : size;
    }
    for (const FileCopy& copy : plan) {
        ++progress.file;
        progress.name = copy.to.substr(copy.to.rfind('/') + 1);
        if (!report(progress)) throw RuntimeError(errnum::kUserInterrupt, "Cancelled");
        const std::uintmax_t before = progress.bytes;
        copyFile(copy.from, copy.to, [&](std::uintmax_t copied) {
            progress.bytes = before + copied;
            return report(progress);
        });
    }
}

}  // namespace varmio
