#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/sqlite_hive.h"
#include "platform/system_info.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio::test {

// Answers dialogs from a queue and remembers everything shown.
class FakeDialogs : public Dialogs {
  public:
    std::deque<std::string> answers;  // "yes", "no", "cancel" or the text / path to give
    std::vector<std::string> shown;   // every message, question, prompt and filter, in order

    void message(std::string_view text, std::string_view title) override;
    bool question(std::string_view text, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    void beep() override { shown.push_back("beep"); }
    std::string last() const { return shown.empty() ? "" : shown.back(); }

  private:
    std::string next(std::string_view what);  // shows `what`, takes the next answer
    std::optional<std::string> textAnswer(std::string_view what);  // "cancel" gives none
};

class FakeShell : public Shell {
  public:
    std::vector<std::string> opened;
    std::vector<std::string> started;
    void open(std::string_view file, std::string_view, std::string_view, int) override {
        opened.emplace_back(file);
    }
    void startHidden(std::string_view program) override { started.emplace_back(program); }
};

class FakeSystem : public SystemInfo {
  public:
    bool nt = false;
    std::map<std::string, std::string, std::less<>> env;
    bool isWindowsNT() const override { return nt; }
    std::string environment(std::string_view name) const override;
};

// Runs `onModal` when the window code shows a dialog modally; it must hide the dialog. Runs
// `onEvents` (a user acting while long work runs) whenever the window code lets events through.
class FakeHost : public WindowHost {
  public:
    std::function<void(Form&)> onModal;
    std::function<void()> onEvents;
    void runModal(Form& dialog) override;
    void doEvents() override {
        if (onEvents) onEvents();
    }
    void repaint(Form&) override {}
};

// A wizard window in private folders: a program folder with tmp/, a Windows folder and a store
// holding the shipped settings and texts.
class WizardHarness {
  public:
    WizardHarness();

    std::string home() const { return (dir_.path() / "home").string(); }
    std::string windir() const { return (dir_.path() / "windows").string(); }
    std::string work() const { return (dir_.path() / "work").string(); }

    // Creates the window for `commandLine` and runs start-up; false when it ended the program.
    bool start(const std::string& commandLine = "");
    // Starts with these files of work() listed (made when missing, holding their names' stems)
    // and takes the quick way, no page made, to the delivery page; false when it is not reached.
    bool startOnDeliveryPage(const std::vector<std::string>& names = {"one.txt"});
    WizardWindow& window() { return *window_; }
    Settings& settings() { return settings_; }
    void setConfig(const std::string& name, const std::string& value);
    std::string config(const std::string& name);

    FakeDialogs dialogs;
    FakeShell shell;
    FakeSystem system;
    LcgRandom random{7};
    FakeHost host;

  private:
    TempDir dir_;
    SqliteHive hive_;
    Settings settings_;
    std::unique_ptr<WizardWindow> window_;
};

}  // namespace varmio::test
