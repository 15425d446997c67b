#include "interpreter.h"

#include "platform/errors.h"
#include "script_stop.h"
#include "wizard/startup.h"
#include "wizard/wizard_window.h"

namespace varmio::replay {

namespace {

// Restores the modal stack however the nested run is left.
class ModalScope {
  public:
    ModalScope(std::vector<Form*>& modals, Form& dialog) : modals_(modals) {
        modals_.push_back(&dialog);
    }
    ~ModalScope() { modals_.pop_back(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    std::vector<Form*>& modals_;
};

}  // namespace

Interpreter::Interpreter(std::vector<Command> script, Transcript& transcript,
                         ScriptedDialogs& dialogs, AnswerQueue& answers, std::ostream& errors)
    : script_(std::move(script)),
      transcript_(transcript),
      dialogs_(dialogs),
      answers_(answers),
      errors_(errors) {}

Interpreter::~Interpreter() = default;

int Interpreter::run(WizardWindow& window) {
    window_ = &window;
    names_ = std::make_unique<ControlNames>(window);
    try {
        while (next_ < script_.size() && script_[next_].action == Action::Answer)
            execute(script_[next_++]);
        startUp();
        while (next_ < script_.size())
            execute(script_[next_++]);
    } catch (const ScriptStop& stop) {
        errors_ << (stop.line > 0 ? "line " + std::to_string(stop.line) : std::string("start-up"))
                << ": " << stop.message << '\n';
        return 2;
    }
    // Worth a word, but no failure: the run itself went as the script expected.
    for (const Answer& left : answers_.pending())
        errors_ << "line " << left.line << ": answer " << left.describe()
                << " was never asked for\n";
    return failures_ > 0 ? 1 : 0;
}

void Interpreter::runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ProgramEnd&) {
        // Inside a modal dialog the handler that opened it must not resume: let the end unwind
        // to the outermost action.
        if (!modals_.empty()) throw;
        programEnded();
    } catch (const std::exception& e) {
        throw ScriptStop{std::string("internal error: ") + e.what()};
    }
}

void Interpreter::startUp() {
    runHandler([&] { Form_Load(*window_); });
}

void Interpreter::programEnded() {
    ended_ = true;
    transcript_.line("end");
}

void Interpreter::execute(const Command& cmd) {
    try {
        switch (cmd.action) {
            case Action::Answer:
                answers_.push({cmd.answer, cmd.values.at(0), cmd.line});
                break;
            case Action::Expect:
                expectProperty(cmd);
                break;
            case Action::ExpectMessage:
                expectMessage(cmd);
                break;
            case Action::ExpectEnded:
                expectEnded(cmd);
                break;
            case Action::Dump:
                dump(cmd);
                break;
            default:
                perform(cmd);
                break;
        }
    } catch (ScriptStop& stop) {
        // The innermost line is the one to blame, also when the stop came through a dialog.
        if (stop.line == 0) stop.line = cmd.line;
        throw;
    }
}

void Interpreter::runModal(Form& dialog) {
    ModalScope scope(modals_, dialog);
    while (dialog.visible && next_ < script_.size())
        execute(script_[next_++]);
    // The script ended with the dialog open: it goes as by its close box, without a result.
    dialog.visible = false;
}

void Interpreter::fail(int line, const std::string& message) {
    ++failures_;
    errors_ << "line " << line << ": " << message << '\n';
}

}  // namespace varmio::replay
