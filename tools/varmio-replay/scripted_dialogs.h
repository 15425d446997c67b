#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "answers.h"
#include "platform/dialogs.h"
#include "transcript.h"

namespace varmio::replay {

// The platform dialogs answered from the script's queue and written to the transcript.
// A dialog without a fitting answer stops the run (ScriptStop).
class ScriptedDialogs : public Dialogs {
  public:
    ScriptedDialogs(Transcript& transcript, AnswerQueue& answers)
        : transcript_(transcript), answers_(answers) {}

    void message(std::string_view text, std::string_view title) override;
    bool question(std::string_view text, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    void beep() override;

    // The text of the last message box of any kind.
    const std::optional<std::string>& lastMessage() const { return lastMessage_; }

  private:
    // The next answer, which must be one of `accepted`; `dialog` names the dialog in the stop.
    Answer take(const std::string& dialog, std::initializer_list<AnswerKind> accepted,
                const char* takes);

    Transcript& transcript_;
    AnswerQueue& answers_;
    std::optional<std::string> lastMessage_;
};

}  // namespace varmio::replay
