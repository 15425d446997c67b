#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

// Work that runs on a worker thread while the window keeps handling its events: the FTP control's
// operations and the mail send.
namespace varmio {

// Short enough that the window stays lively, long enough not to spin a core.
inline constexpr std::chrono::milliseconds kPollInterval{10};

// Calls `poll` (the window's event pump) every kPollInterval for as long as `busy()` holds.
void pollWhile(const std::function<bool()>& busy, const std::function<void()>& poll);

// One piece of work at a time on a worker thread.
class BackgroundTask {
  public:
    BackgroundTask() = default;
    ~BackgroundTask() { join(); }
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Starts `work`, which must not throw, once the previous work has ended. Throws
    // std::system_error when no thread can be made.
    void start(std::function<void()> work);
    // True from start() until the work has returned; what it wrote is visible once false.
    bool busy() const { return busy_.load(std::memory_order_acquire); }
    void join();

  private:
    std::thread thread_;
    std::atomic<bool> busy_{false};
};

// Runs `work` in the background, polling until it ends, and throws what it threw. Should `poll`
// throw (the program ends meanwhile), the work still finishes first: it may use the caller's frame.
void runPolling(const std::function<void()>& work, const std::function<void()>& poll);

}  // namespace varmio
