#include "answers.h"

namespace varmio::replay {

std::string Answer::describe() const {
    switch (kind) {
        case AnswerKind::Yes:
            return "yes";
        case AnswerKind::No:
            return "no";
        case AnswerKind::Ok:
            return "ok";
        case AnswerKind::Cancel:
            return "cancel";
        case AnswerKind::Text:
            break;
    }
    return quote(text);
}

std::optional<Answer> AnswerQueue::take() {
    if (queue_.empty()) return std::nullopt;
    Answer next = std::move(queue_.front());
    queue_.pop_front();
    return next;
}

}  // namespace varmio::replay
