#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "wizard/wizard_window.h"

namespace varmio {

// While a transfer runs in the background: the working indicator shows how far it has come
// and offers Cancel, which calls `stop` on the window's thread; the transfer then gives up
// within a second and fails with errnum::kUserInterrupt. Shows the indicator with the text of
// "PROSESSING"; hides progress, Cancel and the indicator when it goes.
class TransferWatch {
  public:
    TransferWatch(WizardWindow& w, std::function<void()> stop);
    ~TransferWatch();
    TransferWatch(const TransferWatch&) = delete;
    TransferWatch& operator=(const TransferWatch&) = delete;

    // File `file` of `files` (0 files: one message) named `name`, `bytes` of `total` sent.
    void show(size_t file, size_t files, std::string_view name, std::uint64_t bytes,
              std::uint64_t total);
    bool cancelled() const { return cancelled_; }

    // The failure as the message shows it: the text of `key`, then " (", the description, " [",
    // the number, "])"; a cancelled transfer's description is "TRANSFER_CANCELLED" in the
    // current language, or "TRANSFER_CANCELLED_PART" naming a file `partFile` that may have
    // arrived in part.
    std::string failureText(std::string_view key, const std::exception& e,
                            const std::string& partFile = {}) const;

  private:
    WizardWindow& w_;
    WizardWindow::Working working_;
    bool cancelled_ = false;
};

}  // namespace varmio
