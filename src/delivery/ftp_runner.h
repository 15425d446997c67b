#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ftp_plan.h"

namespace varmio {

class FtpClient;

// Upload `file` of `files` in a plan (from 1), under the remote name `name`: `bytes` of all
// `total` bytes uploaded so far.
struct FtpProgress {
    size_t file = 0;
    size_t files = 0;
    std::uintmax_t bytes = 0;
    std::uintmax_t total = 0;
    std::string name;
};

struct FtpRunHooks {
    std::function<void()> poll;  // between looks at the busy control: the window's events
    std::function<void(const std::string&)> folder;        // each sub-folder a listing finds
    std::function<void(const FtpProgress&)> progress;      // optional: after each upload
    std::function<void(const FtpProgress&)> sending = {};  // optional: while an upload runs
};

// Waits until the control is no longer busy, calling `poll` every kPollInterval meanwhile;
// returns as soon as the operation ends.
void waitForFtp(FtpClient& ftp, const std::function<void()>& poll);

// Runs the plan's steps in order. The first failure is thrown (the control's RuntimeError with
// its description and number) and the steps after it do not run; sub-folders found before a
// listing turned out incomplete have been handed over already.
void runFtpPlan(FtpClient& ftp, const FtpPlan& plan, const FtpRunHooks& hooks);

}  // namespace varmio
