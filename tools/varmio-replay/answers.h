#pragma once

#include <deque>
#include <optional>
#include <string>

#include "script.h"

namespace varmio::replay {

struct Answer {
    AnswerKind kind = AnswerKind::Text;
    std::string text;
    int line = 0;  // where the script queued it

    // As the script wrote it: yes, cancel, "TEXT".
    std::string describe() const;
};

// Answers queued by the script, taken in order by the dialogs that need one.
class AnswerQueue {
  public:
    void push(Answer answer) { queue_.push_back(std::move(answer)); }
    std::optional<Answer> take();
    // The answer next in line, if any.
    const Answer* peek() const { return queue_.empty() ? nullptr : &queue_.front(); }
    bool empty() const { return queue_.empty(); }
    const std::deque<Answer>& pending() const { return queue_; }

  private:
    std::deque<Answer> queue_;
};

}  // namespace varmio::replay
