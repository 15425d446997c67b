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

std::uintmax_t fileSize(const std::string& path) {
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    return unknown ? 0 : size;
}

void readFolders(FtpClient& ftp, const FtpRunHooks& hooks) {
    const FolderRows rows = folderRows(ftp.getChunk(kListingChunk));
    for (const std::string& folder : rows.folders)
        hooks.folder(folder);
    if (!rows.complete)
        throw RuntimeError(errnum::kInvalidProcedureCall, "Invalid procedure call or argument");
}

}  // namespace

void waitForFtp(FtpClient& ftp, const std::function<void()>& poll) {
    pollUntilEnd([&](std::chrono::milliseconds limit) { return ftp.waitForEnd(limit); }, poll);
}

void runFtpPlan(FtpClient& ftp, const FtpPlan& plan, const FtpRunHooks& hooks) {
    ftp.remoteHost = plan.login.host;
    ftp.userName = plan.login.user;
    ftp.password = plan.login.password;
    FtpProgress progress;
    for (const FtpStep& step : plan.steps) {
        if (step.upload.empty()) continue;
        ++progress.files;
        progress.total += fileSize(step.upload);
    }
    std::optional<LineWriter> list;
    // The steps wake us as they end; the window's events are still handled every few ms.
    PacedPoll poll(hooks.poll);
    for (const FtpStep& step : plan.steps) {
        const bool upload = !step.upload.empty();
        if (upload) progress.name = step.text.substr(step.text.rfind(' ') + 1);
        switch (step.kind) {
            case FtpStep::Kind::Transfer:
                ftp.execute(step.text);
                if (upload && hooks.sending) {
                    FtpProgress now = progress;
                    ++now.file;
                    waitForFtp(ftp, [&] {
                        now.bytes = progress.bytes + ftp.bytesSent();
                        hooks.sending(now);
                        poll();
                    });
                } else {
                    waitForFtp(ftp, [&] { poll(); });
                }
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
        if (upload) {
            progress.bytes += fileSize(step.upload);
            ++progress.file;
            if (hooks.progress) hooks.progress(progress);
        }
    }
}

}  // namespace varmio
