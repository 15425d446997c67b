#include "background_task.h"

#include <exception>
#include <system_error>

namespace varmio {

void pollUntilEnd(const WaitForEnd& waitForEnd, const std::function<void()>& poll) {
    if (waitForEnd(std::chrono::milliseconds::zero())) return;
    do {
        poll();
    } while (!waitForEnd(kPollInterval));
}

void pollWhile(const std::function<bool()>& busy, const std::function<void()>& poll) {
    pollUntilEnd(
        [&](std::chrono::milliseconds limit) {
            if (!busy()) return true;
            std::this_thread::sleep_for(limit);
            return !busy();
        },
        poll);
}

void PacedPoll::operator()() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < kPollInterval) return;
    last_ = now;
    poll_();
}

void BackgroundTask::start(std::function<void()> work) {
    join();
    busy_.store(true, std::memory_order_release);
    try {
        thread_ = std::thread([this, work = std::move(work)] {
            work();
            {
                std::lock_guard lock(mutex_);
                busy_.store(false, std::memory_order_release);
            }
            ended_.notify_all();
        });
    } catch (const std::system_error&) {
        busy_.store(false, std::memory_order_release);
        throw;
    }
}

bool BackgroundTask::waitForEnd(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return ended_.wait_for(lock, limit, [this] { return !busy(); });
}

void BackgroundTask::join() {
    if (thread_.joinable()) thread_.join();
}

void runPolling(const std::function<void()>& work, const std::function<void()>& poll) {
    std::exception_ptr failure;
    BackgroundTask task;  // declared after `failure`: when `poll` throws, it joins first
    task.start([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    pollUntilEnd([&](std::chrono::milliseconds limit) { return task.waitForEnd(limit); }, poll);
    task.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace varmio
