#include "wizard/delivery/transfer_watch.h"

#include "delivery/delivery_messages.h"
#include "delivery/transfer_progress.h"
#include "platform/errors.h"
#include "platform/steps.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/window_host.h"

namespace varmio {

TransferWatch::TransferWatch(WizardWindow& w, std::function<void()> stop)
    : w_(w), working_(w, "PROSESSING") {
    ProgressPanel& panel = w_.frm_Working.progress;
    tryStep([&] { panel.cmd_cancel.caption = w_.GetText("CMD_CANCEL"); });
    panel.lab_progress.caption.clear();
    panel.cmd_cancel.enabled = true;
    panel.cmd_cancel.onClick = [this, stop = std::move(stop)] {
        cancelled_ = true;
        w_.frm_Working.progress.cmd_cancel.enabled = false;
        stop();
    };
    panel.visible = true;
    w_.host().repaint(w_.frm_Working);
}

TransferWatch::~TransferWatch() {
    ProgressPanel& panel = w_.frm_Working.progress;
    panel.cmd_cancel.onClick = nullptr;
    panel.visible = false;
}

void TransferWatch::show(size_t file, size_t files, std::string_view name, std::uint64_t bytes,
                         std::uint64_t total) {
    const ProgressTexts texts{w_.GetText("PROGRESS_FILE"), w_.GetText("PROGRESS_BYTES"),
                              w_.GetText("PROGRESS_DECIMAL")};
    w_.frm_Working.progress.lab_progress.caption =
        progressText(texts, file, files, name, bytes, total);
}

std::string TransferWatch::failureText(std::string_view key, const std::exception& e,
                                       const std::string& partFile) const {
    if (!cancelled_ || errorNumber(e) != errnum::kUserInterrupt)
        return varmio::failureText(w_, key, e);
    const std::string why = partFile.empty()
                                ? w_.GetText("TRANSFER_CANCELLED")
                                : fillIn(w_.GetText("TRANSFER_CANCELLED_PART"), {partFile});
    return w_.GetText(key) + failureDetail(why, errnum::kUserInterrupt);
}

}  // namespace varmio
