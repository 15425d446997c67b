// varmio-replay: the wizard's window logic without a display, driven by a script.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "answers.h"
#include "app/environment.h"
#include "interpreter.h"
#include "platform/files.h"
#include "platform/hive.h"
#include "platform/linux_platform.h"
#include "platform/random.h"
#include "script.h"
#include "scripted_dialogs.h"
#include "standard_options.h"
#include "transcript.h"
#include "transcript_shell.h"
#include "wizard/wizard_window.h"

namespace {

using namespace varmio;
using namespace varmio::replay;

constexpr const char* kUsage =
    "usage: varmio-replay [--seed N] [--nt] [--exec] [--ask-mail-account] SCRIPT [WORD ...]\n"
    "Runs the wizard's window logic without a display, driven by SCRIPT, and prints a\n"
    "transcript. The WORDs, joined by single blanks, are the wizard's command line.\n"
    "  --seed N   seed the random names\n"
    "  --nt       the platform reports Windows NT\n"
    "  --exec     carry out shell opens and program starts\n"
    "  --ask-mail-account  the mail logon asks for the account as on a first mail\n"
    "Exit status: 0 script ran, 1 an expectation failed, 2 script or usage error.\n";

struct Options {
    std::optional<std::uint32_t> seed;
    bool windowsNT = false;
    bool exec = false;
    bool askMailAccount = false;
    std::string script;
    std::vector<std::string> words;  // the wizard's command line
};

// Options come before the script; every word after it belongs to the wizard's command line.
bool parseOptions(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--nt") {
            options.windowsNT = true;
        } else if (arg == "--exec") {
            options.exec = true;
        } else if (arg == "--ask-mail-account") {
            options.askMailAccount = true;
        } else if (arg == "--seed") {
            if (++i == argc) return false;
            std::string_view n = argv[i];
            std::uint32_t seed = 0;
            auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), seed);
            if (n.empty() || error != std::errc() || end != n.data() + n.size()) return false;
            options.seed = seed;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
            std::cerr << "varmio-replay: unknown option " << arg << '\n';
            return false;
        } else {
            if (arg == "--") ++i;
            break;
        }
    }
    if (i >= argc) return false;
    options.script = argv[i++];
    options.words.assign(argv + i, argv + argc);
    return true;
}

int runReplay(const Options& options) {
    std::optional<std::string> text = readFileText(options.script);
    if (!text) {
        std::cerr << "varmio-replay: cannot read " << options.script << '\n';
        return 2;
    }
    std::vector<Command> script;
    try {
        script = parseScript(*text);
    } catch (const ScriptError& e) {
        std::cerr << "line " << e.line() << ": " << e.what() << '\n';
        return 2;
    }

    WizardEnvironment env;
    try {
        env = openWizardEnvironment(options.windowsNT);
    } catch (const HiveError& e) {
        std::cerr << "varmio-replay: " << e.file().string() << ": " << e.reason() << '\n';
        return 2;
    }

    Transcript transcript(std::cout);
    AnswerQueue answers;
    ScriptedDialogs dialogs(transcript, answers);
    LinuxShell realShell;
    TranscriptShell shell(transcript, options.exec ? &realShell : nullptr);
    LcgRandom random(options.seed);
    Interpreter interpreter(std::move(script), transcript, dialogs, answers, std::cerr);
    WizardWindow window({*env.settings, dialogs, shell, *env.system, random, interpreter},
                        {joinCommandLine(options.words), env.programFolder});
    // Scripts configure mail through the environment; the account dialog that the mail logon
    // opens by itself comes only when asked for. (A script opens it with cmd_mail_account.)
    window.askMailAccountOnLogon = options.askMailAccount;
    return interpreter.run(window);
}

}  // namespace

int main(int argc, char** argv) {
    // Only options before SCRIPT are ours: the words after it are the wizard's.
    const cli::Standard asked = cli::standardOption(cli::argumentsOf(argc, argv), true);
    if (asked != cli::Standard::None) return cli::answer(asked, "varmio-replay", kUsage);
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return cli::kExitUsage;
    }
    try {
        return runReplay(options);
    } catch (const std::exception& e) {
        std::cerr << "varmio-replay: " << e.what() << '\n';
        return 2;
    }
}
