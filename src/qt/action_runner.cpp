#include "action_runner.h"

#include <exception>
#include <iostream>

#include "platform/errors.h"

namespace varmio {

ActionRunner::ActionRunner(std::function<void()> afterEach, std::function<void()> onEnd)
    : afterEach_(std::move(afterEach)), onEnd_(std::move(onEnd)) {}

bool ActionRunner::run(const std::function<void()>& action) {
    if (running_) return false;
    running_ = true;
    bool ended = false;
    try {
        action();
    } catch (const ProgramEnd&) {
        ended = true;
    } catch (const std::exception& error) {
        std::cerr << "varmio-wizard: a handler failed: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "varmio-wizard: a handler failed with an unknown error\n";
    }
    running_ = false;
    if (ended) {
        if (onEnd_) onEnd_();
    } else if (afterEach_) {
        afterEach_();
    }
    return true;
}

}  // namespace varmio
