#include "control_names.h"

#include "platform/basic_text.h"
#include "script_stop.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/page/link_dialog.h"
#include "wizard/wizard_window.h"

namespace varmio::replay {

namespace {

constexpr std::string_view kMainWindow = "frm_wizard";
constexpr std::string_view kWorking = "frm_Working";
constexpr std::string_view kLinkDialog = "frm_Input_Link";
constexpr std::string_view kAccountDialog = "frm_Mail_Account";

Control* findControl(const Form& form, std::string_view id) {
    if (Control* exact = form.find(id)) return exact;
    for (Control* c : form.controls())
        if (equalsNoCase(c->id(), id)) return c;
    return nullptr;
}

// "frm_Input_Link.txt_LNK_NAME" -> true with rest "txt_LNK_NAME"; "frm_Input_Link" -> true with
// rest "".
bool splitWindow(std::string_view name, std::string_view window, std::string& rest) {
    if (equalsNoCase(name, window)) {
        rest.clear();
        return true;
    }
    if (name.size() > window.size() + 1 && name[window.size()] == '.' &&
        equalsNoCase(name.substr(0, window.size()), window)) {
        rest = std::string(name.substr(window.size() + 1));
        return true;
    }
    return false;
}

}  // namespace

ControlNames::ControlNames(WizardWindow& window) : window_(window) {}
ControlNames::~ControlNames() = default;

LinkDialog& ControlNames::standIn() {
    // Reading a window that is not loaded shows its design-time state, hidden.
    if (!standIn_) {
        standIn_ = std::make_unique<LinkDialog>(window_.settings());
        standIn_->visible = false;
    }
    return *standIn_;
}

MailAccountDialog& ControlNames::accountStandIn() {
    if (!accountStandIn_) {
        accountStandIn_ = std::make_unique<MailAccountDialog>(window_);
        accountStandIn_->visible = false;
    }
    return *accountStandIn_;
}

Target ControlNames::resolve(const std::string& name) {
    Target target;
    std::string rest;
    if (splitWindow(name, kLinkDialog, rest)) {
        target.prefix = std::string(kLinkDialog) + ".";
        target.live = window_.frm_Input_Link != nullptr;
        target.form = target.live ? static_cast<Form*>(window_.frm_Input_Link.get()) : &standIn();
    } else if (splitWindow(name, kAccountDialog, rest)) {
        target.prefix = std::string(kAccountDialog) + ".";
        target.live = window_.frm_Mail_Account != nullptr;
        target.form =
            target.live ? static_cast<Form*>(window_.frm_Mail_Account.get()) : &accountStandIn();
    } else if (splitWindow(name, kWorking, rest)) {
        target.prefix = std::string(kWorking) + ".";
        target.form = &window_.frm_Working;
    } else if (splitWindow(name, kMainWindow, rest)) {
        target.form = &window_;
    } else {
        target.form = &window_;
        rest = name;
    }
    if (rest.empty()) return target;
    target.control = findControl(*target.form, rest);
    if (!target.control) throw ScriptStop{"unknown control " + name};
    return target;
}

}  // namespace varmio::replay
