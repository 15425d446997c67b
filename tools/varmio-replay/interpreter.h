#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "answers.h"
#include "control_names.h"
#include "script.h"
#include "scripted_dialogs.h"
#include "transcript.h"
#include "wizard/window_host.h"

namespace varmio {
class WizardWindow;
}

namespace varmio::replay {

// Plays a script against the wizard window. It is also the window's host: a modal dialog keeps
// the following script lines running (nested) until one of them hides it, then the handler that
// opened it resumes.
//
// Answers written before the first other line are queued before start-up runs, so they can
// answer start-up's own dialogs.
class Interpreter : public WindowHost {
  public:
    Interpreter(std::vector<Command> script, Transcript& transcript, ScriptedDialogs& dialogs,
                AnswerQueue& answers, std::ostream& errors);
    ~Interpreter() override;

    // Runs start-up and the script; returns the exit status (0 all met, 1 an expectation
    // failed, 2 a script error).
    int run(WizardWindow& window);

    void runModal(Form& dialog) override;
    void doEvents() override {}
    void repaint(Form&) override {}

  private:
    void startUp();
    void execute(const Command& cmd);
    void programEnded();
    // Runs window code: the end of the program is noted, any other failure is the model's bug.
    void runHandler(const std::function<void()>& handler);

    // User actions (actions.cpp).
    void perform(const Command& cmd);
    Target actionTarget(const Command& cmd);
    void checkKind(const Command& cmd, const Target& target) const;
    bool reachable(const Target& target) const;
    void act(const Command& cmd, Control& control);

    // Checks and dumps (checks.cpp).
    void expectProperty(const Command& cmd);
    void expectMessage(const Command& cmd);
    void expectEnded(const Command& cmd);
    void dump(const Command& cmd);
    void dumpControl(const std::string& name, Control& control);
    void fail(int line, const std::string& message);

    std::vector<Command> script_;
    size_t next_ = 0;
    Transcript& transcript_;
    ScriptedDialogs& dialogs_;
    AnswerQueue& answers_;
    std::ostream& errors_;

    WizardWindow* window_ = nullptr;
    std::unique_ptr<ControlNames> names_;
    std::vector<Form*> modals_;  // open modal windows, innermost last
    bool ended_ = false;
    int failures_ = 0;
};

}  // namespace varmio::replay
