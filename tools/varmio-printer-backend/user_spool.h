#pragma once

#include <pwd.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace varmio {

// CUPS backend exit statuses (cups/backend.h), the ones this backend gives.
inline constexpr int kBackendOk = 0;
inline constexpr int kBackendFailed = 1;
inline constexpr int kBackendCancel = 5;  // drop this job, keep the queue running
inline constexpr int kBackendRetry = 6;   // try this job again later

// A job that cannot be spooled, with the status to end the backend with.
class SpoolError : public std::runtime_error {
  public:
    SpoolError(const std::string& message, int status)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};

// Opens the user's spool folder below `base`, making both when missing, and returns its file
// descriptor. Run as root, it then gives up root for the user's own ids, so that everything of
// the job is written as the user; run as anyone else, it accepts only that user's own jobs.
int openUserSpool(const std::string& base, const passwd& user);

// Writes one job from `input` into the user folder: first below ".incoming-NAME", then renamed to
// NAME in one step. Nothing is left behind when it fails or is cancelled.
void writeJob(int userFolder, const std::string& name, int input, std::string_view title);

// Set from the SIGTERM handler: CUPS cancels a job by terminating its backend.
void requestCancel();

}  // namespace varmio
