#pragma once

#include <functional>

namespace varmio {

// Runs the window code's handlers for one window, one at a time. A handler may open a modal
// window or let events through while it works; user input that reaches the same window
// meanwhile is dropped, because the window code expects each handler to run to its end before
// the next one starts. Nothing a handler throws may cross Qt's event loop: ending the program
// goes to `onEnd`, any other failure is written to stderr and the window carries on.
class ActionRunner {
  public:
    ActionRunner(std::function<void()> afterEach, std::function<void()> onEnd);

    // Runs `action` unless another one is running; false when it was dropped.
    bool run(const std::function<void()>& action);
    bool busy() const { return running_; }

  private:
    std::function<void()> afterEach_;
    std::function<void()> onEnd_;
    bool running_ = false;
};

}  // namespace varmio
