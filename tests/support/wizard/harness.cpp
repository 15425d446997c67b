#include "support/wizard/harness.h"

#include <filesystem>
#include <stdexcept>

#include "platform/errors.h"
#include "settings/reg_file.h"
#include "wizard/page_sequence.h"
#include "wizard/startup.h"
#include "wizard/version.h"

namespace varmio::test {

namespace fs = std::filesystem;

std::string FakeDialogs::next(std::string_view what) {
    shown.emplace_back(what);
    if (answers.empty()) throw std::logic_error("unanswered dialog: " + std::string(what));
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeDialogs::textAnswer(std::string_view what) {
    std::string answer = next(what);
    if (answer == "cancel") return std::nullopt;
    return answer;
}

void FakeDialogs::message(std::string_view text, std::string_view) {
    shown.emplace_back(text);
}

bool FakeDialogs::question(std::string_view text, std::string_view) {
    return next(text) == "yes";
}

std::optional<std::string> FakeDialogs::input(std::string_view prompt, std::string_view,
                                              std::string_view) {
    return textAnswer(prompt);
}

std::optional<std::string> FakeDialogs::openFile(const FileRequest& request) {
    return textAnswer(request.filter);
}

std::string FakeSystem::environment(std::string_view name) const {
    auto it = env.find(name);
    return it == env.end() ? "" : it->second;
}

void FakeHost::runModal(Form& dialog) {
    if (!onModal) throw std::logic_error("modal dialog without a test answer: " + dialog.name());
    onModal(dialog);
}

WizardHarness::WizardHarness() : hive_(dir_.path() / "registry.db"), settings_(hive_) {
    fs::create_directories(dir_.path() / "home" / "tmp");
    fs::create_directories(dir_.path() / "windows");
    fs::create_directories(dir_.path() / "work");
    system.env["WINDIR"] = windir();
    auto shipped = parseRegFile(readFile(std::string(VARMIO_SOURCE_DIR) + "/data/install.reg"));
    if (!shipped || !shipped->problems.empty())
        throw std::runtime_error("data/install.reg does not import cleanly");
    applyRegFile(hive_, *shipped);
    setConfig("MG_VERSION", versionStamp());
}

bool WizardHarness::start(const std::string& commandLine) {
    WizardServices services{settings_, dialogs, shell, system, random, host};
    window_ = std::make_unique<WizardWindow>(services, WizardStartInfo{commandLine, home()});
    try {
        Form_Load(*window_);
        return true;
    } catch (const ProgramEnd&) {
        return false;
    }
}

bool WizardHarness::startOnDeliveryPage(const std::vector<std::string>& names) {
    std::string commandLine;
    for (const std::string& name : names) {
        const std::string path = work() + "/" + name;
        if (!fs::exists(path)) writeFile(path, name.substr(0, name.find('.')));
        commandLine += (commandLine.empty() ? "" : " ") + path;
    }
    if (!start(commandLine)) return false;
    cmd_next_Click(*window_);
    window_->chk_cmpHTML.setValue(0);
    cmd_next_Click(*window_);
    return window_->frm_export_1.visible;
}

void WizardHarness::setConfig(const std::string& name, const std::string& value) {
    settings_.WriteSetting("CONFIG", name, value);
}

std::string WizardHarness::config(const std::string& name) {
    return settings_.ReadSetting("CONFIG", name);
}

}  // namespace varmio::test
