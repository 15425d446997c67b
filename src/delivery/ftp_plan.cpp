#include "ftp_plan.h"

#include <algorithm>

#include "platform/basic_text.h"

namespace varmio {

namespace {

constexpr const char* kProbeFile = "qdrn.sec";

FtpStep transfer(std::string operation) {
    return {FtpStep::Kind::Transfer, std::move(operation), {}};
}

FtpStep put(const std::string& local, const std::string& remote) {
    return {FtpStep::Kind::Transfer, "PUT " + local + " " + remote, local};
}

FtpStep close() {
    return {FtpStep::Kind::Close, "CLOSE", {}};
}

// The user name is typed: a "/" in it must not lead the file list out of its folder.
std::string fileListName(std::string user) {
    std::replace(user.begin(), user.end(), '/', '_');
    return user + ".lst";
}

}  // namespace

bool FtpLogin::safe() const {
    return !hasCommandBreak(host) && !hasCommandBreak(user) && !hasCommandBreak(password);
}

FtpPlan ftpListingPlan(FtpLogin login, const std::string& path, const std::string& programFolder) {
    FtpPlan plan{std::move(login), {}};
    if (!path.empty()) plan.steps.push_back(transfer("CD " + path));
    plan.steps.push_back(put(programFolder + "/" + kProbeFile, kProbeFile));
    plan.steps.push_back(transfer("DIR *"));
    plan.steps.push_back({FtpStep::Kind::ReadFolders, {}, {}});
    plan.steps.push_back(transfer(std::string("DELETE ") + kProbeFile));
    plan.steps.push_back(close());
    return plan;
}

FtpPlan ftpSendPlan(const FtpSendInput& input) {
    FtpPlan plan{input.login, {}};
    plan.steps.push_back(transfer("CD " + input.path));
    const std::string listName = fileListName(input.login.user);
    const std::string listPath = input.tmpFolder + "/" + listName;
    if (input.withFileList) plan.steps.push_back({FtpStep::Kind::OpenList, listPath, {}});
    for (const FileRow& row : input.rows) {
        if (row.excluded()) continue;
        plan.steps.push_back(put(row.path(), row.name));
        if (input.withFileList) plan.steps.push_back({FtpStep::Kind::ListLine, row.name, {}});
    }
    if (input.withFileList) {
        plan.steps.push_back({FtpStep::Kind::CloseList, {}, {}});
        plan.steps.push_back(put(listPath, listName));
    }
    if (input.pageFile)
        plan.steps.push_back(put(input.tmpFolder + "/" + *input.pageFile, *input.pageFile));
    plan.steps.push_back(close());
    return plan;
}

}  // namespace varmio
