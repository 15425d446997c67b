#pragma once

#include <memory>
#include <string>

namespace varmio {
class Control;
class Form;
class LinkDialog;
class MailAccountDialog;
class WizardWindow;
}  // namespace varmio

namespace varmio::replay {

// What a script name stands for.
struct Target {
    Form* form = nullptr;        // the window the name lies on
    Control* control = nullptr;  // nullptr: the window itself
    // false when the name lies on a dialog that is not loaded: `form` and `control` then
    // belong to an unloaded stand-in, good for checking kinds but not for reading.
    bool live = true;
    std::string prefix;  // how a dump names this window's controls: "" or "frm_Input_Link."
};

// Resolves the names of a script: "cmd_next", "cmd_browse(1)", "frm_wizard.cmd_next",
// "frm_wizard", "frm_Working.Label1", "frm_Input_Link.txt_LNK_NAME",
// "frm_Mail_Account.txt_ACC_SERVER". Control names are matched
// exactly, then without regard to case, as the window code's own names are.
class ControlNames {
  public:
    explicit ControlNames(WizardWindow& window);
    ~ControlNames();

    // Throws ScriptStop for a name that no window has.
    Target resolve(const std::string& name);

  private:
    LinkDialog& standIn();
    MailAccountDialog& accountStandIn();

    WizardWindow& window_;
    std::unique_ptr<LinkDialog> standIn_;
    std::unique_ptr<MailAccountDialog> accountStandIn_;
};

}  // namespace varmio::replay
