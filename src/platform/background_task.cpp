#include "background_task.h"

#include <exception>
#include <system_error>

namespace varmio {

void pollWhile(const std::function<bool()>& busy, const std::function<void()>& poll) {
    while (busy()) {
        poll();
        std::this_thread::sleep_for(kPollInterval);
    }
}

void BackgroundTask::start(std::function<void()> work) {
    join();
    busy_.store(true, std::memory_order_release);
    try {
        thread_ = std::thread([this, work = std::move(work)] {
            work();
            busy_.store(false, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        busy_.store(false, std::memory_order_release);
        throw;
    }
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
    pollWhile([&] { return task.busy(); }, poll);
    task.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace varmio
