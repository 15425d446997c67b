#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Work that runs on a worker thread while the window keeps handling its events: the FTP control's
// operations and the mail send.
namespace varmio {

// Short enough that the window stays lively, long enough not to spin a core.
inline constexpr std::chrono::milliseconds kPollInterval{10};

// Waits until the work has ended or `limit` has passed, and tells whether it has ended.
using WaitForEnd = std::function<bool(std::chrono::milliseconds limit)>;

// Calls `poll` (the window's event pump) while the work goes on: at once, then after each
// kPollInterval without an end. Returns as soon as `waitForEnd` sees the end, so that short
// pieces of work in a row lose no time to a fixed tick.
void pollUntilEnd(const WaitForEnd& waitForEnd, const std::function<void()>& poll);

// The same for work that can only be looked at: calls `poll` every kPollInterval for as long as
// `busy()` holds.
void pollWhile(const std::function<bool()>& busy, const std::function<void()>& poll);

// The event pump at most once per kPollInterval however often it is asked for: many short
// pieces of work in a row share the pump instead of each pumping once.
class PacedPoll {
  public:
    explicit PacedPoll(std::function<void()> poll) : poll_(std::move(poll)) {}
    void operator()();

  private:
    std::function<void()> poll_;
    std::chrono::steady_clock::time_point last_{};
};

// One piece of work at a time on a worker thread, which stays for the next piece: a new thread
// per piece costs up to milliseconds before it first runs on a busy machine.
class BackgroundTask {
  public:
    BackgroundTask() = default;
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Starts `work`, which must not throw, once the previous work has ended. Throws
    // std::system_error when no thread can be made.
    void start(std::function<void()> work);
    // True from start() until the work has returned; what it wrote is visible once false.
    bool busy() const { return busy_.load(std::memory_order_acquire); }
    // Waits until the work has returned (true) or `limit` has passed with it still busy.
    bool waitForEnd(std::chrono::milliseconds limit) const;
    // Waits until the work has returned.
    void join();

  private:
    void serve();

    std::thread thread_;
    std::atomic<bool> busy_{false};
    mutable std::mutex mutex_;  // guards the two below and orders the work's end with the waits
    mutable std::condition_variable changed_;  // work given, work ended, or the end of the task
    std::function<void()> work_;
    bool ending_ = false;
};

// Runs `work` in the background, polling until it ends, and throws what it threw. Should `poll`
// throw (the program ends meanwhile), the work still finishes first: it may use the caller's frame.
void runPolling(const std::function<void()>& work, const std::function<void()>& poll);

}  // namespace varmio
