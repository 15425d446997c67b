#include "ftp_runner.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "ftp_folders.h"
#include "platform/background_task.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ftp_client.h"

namespace varmio {

namespace {

constexpr size_t kListingChunk = 65000;

void readFolders(FtpClient& ftp, const FtpRunHooks& hooks) {
    const FolderRows rows = folderRows(ftp.getChunk(kListingChunk));
    for (const std::string& folder : rows.folders)
        hooks.folder(folder);
    if (!rows.complete)
        throw RuntimeError(errnum::kInvalidProcedureCall, "Invalid procedure call or argument");
}

}  // namespace

void waitForFtp(FtpClient& ftp, const std::function<void()>& poll) {
    pollWhile([&] { return ftp.busy(); }, poll);
}

void runFtpPlan(FtpClient& ftp, const FtpPlan& plan, const FtpRunHooks& hooks) {
    ftp.remoteHost = plan.login.host;
    ftp.userName = plan.login.user;
    ftp.password = plan.login.password;
    const auto uploads = std::count_if(plan.steps.begin(), plan.steps.end(),
                                       [](const FtpStep& step) { return !step.upload.empty(); });
    FtpProgress progress{0, static_cast<size_t>(uploads), 0};
    std::optional<LineWriter> list;
    for (const FtpStep& step : plan.steps) {
        switch (step.kind) {
            case FtpStep::Kind::Transfer:
                ftp.execute(step.text);
                waitForFtp(ftp, hooks.poll);
                ftp.checkResult();
                break;
            case FtpStep::Kind::Close:
                ftp.execute(step.text);
                break;
            case FtpStep::Kind::ReadFolders:
                readFolders(ftp, hooks);
                break;
            case FtpStep::Kind::OpenList:
                list.emplace(step.text);
                break;
            case FtpStep::Kind::ListLine:
                if (list) list->line(step.text);
                break;
            case FtpStep::Kind::CloseList:
                if (list) list->close();
                break;
        }
        if (!step.upload.empty() && hooks.progress) {
            std::error_code unknown;
            const std::uintmax_t size = std::filesystem::file_size(step.upload, unknown);
            progress.bytes += unknown ? 0 : size;
            ++progress.file;
            hooks.progress(progress);
        }
    }
}

}  // namespace varmio
