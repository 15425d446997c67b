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

BackgroundTask::~BackgroundTask() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BackgroundTask::start(std::function<void()> work) {
    join();
    if (!thread_.joinable()) thread_ = std::thread([this] { serve(); });
    {
        std::lock_guard lock(mutex_);
        work_ = std::move(work);
        busy_.store(true, std::memory_order_release);
    }
    changed_.notify_all();
}

void BackgroundTask::serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return ending_ || work_; });
        if (!work_) return;  // work given before the end still runs
        std::function<void()> work = std::move(work_);
        work_ = nullptr;
        lock.unlock();
        work();
        lock.lock();
        busy_.store(false, std::memory_order_release);
        changed_.notify_all();
    }
}

bool BackgroundTask::waitForEnd(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return !busy(); });
}

void BackgroundTask::join() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy(); });
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
