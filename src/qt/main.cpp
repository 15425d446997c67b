// varmio-wizard: the Varmio Publish Wizard on the desktop.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/environment.h"
#include "main_window.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/hive.h"
#include "platform/linux_platform.h"
#include "platform/random.h"
#include "platform/secret_service_keyring.h"
#include "qt_dialogs.h"
#include "qt_window_host.h"
#include "screenshot.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "standard_options.h"
#include "wizard/startup.h"
#include "wizard/wizard_window.h"

namespace {

constexpr int kExitStoreError = 2;
constexpr const char* kProgram = "varmio-wizard";
constexpr const char* kUsage =
    "usage: varmio-wizard [FILE ...]\n"
    "       varmio-wizard drv\n"
    "       varmio-wizard /intraman\n"
    "Builds a web page around a printed document or chosen files and delivers it by FTP,\n"
    "e-mail, folder copy or into a local intranet.\n"
    "  (nothing)    add the files by hand\n"
    "  FILE ...     these files, one argument each (blanks in a path are kept)\n"
    "  drv          take over the output of the Varmio printer\n"
    "  /intraman    manage the intranet\n"
    "  --           every argument after it is a file\n"
    "  --help, --version\n"
    "The settings store, the program folder and the Windows folder follow VARMIO_HIVE,\n"
    "VARMIO_HOME and WINDIR (see varmio-wizard(1)).\n";

// The wizard's own arguments, left over once Qt took its options out of argv. Anything else
// that looks like an option is a mistake; after "--" every argument is a path.
std::optional<std::vector<std::string>> wizardArguments(int argc, char** argv) {
    std::vector<std::string> words;
    bool paths = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = QString::fromLocal8Bit(argv[i]).toStdString();
        if (!paths && word == "--") {
            paths = true;
        } else if (!paths && varmio::cli::isOption(word)) {
            varmio::cli::usageError(kProgram, "unknown option " + word, kUsage);
            return std::nullopt;
        } else {
            words.push_back(word);
        }
    }
    return words;
}

bool canShowDialogs() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void reportStoreError(const varmio::HiveError& error) {
    const std::string text =
        "The settings store " + error.file().string() + " cannot be opened: " + error.reason();
    std::cerr << "varmio-wizard: " << text << "\n";
    if (canShowDialogs())
        QMessageBox::critical(nullptr, QStringLiteral("Varmio Publish Wizard"),
                              QString::fromStdString(text));
}

// A first start finds the store without texts. The registry installer that start-up launches
// runs beside the window, too late for its first captions, so the installation's texts are
// imported before the window loads, as an installer does before a first start on Windows.
void importTextsOnFirstStart(varmio::WizardEnvironment& env) {
    using namespace varmio;
    if (!env.settings->ReadSetting("CONFIG", "Language").empty()) return;
    std::optional<std::string> text = readFileText(env.programFolder + "/install.reg");
    if (!text) text = readFileText(installedDataFolder() + "/install.reg");
    const std::optional<RegFile> installation = text ? parseRegFile(*text) : std::nullopt;
    if (!installation) return;
    try {
        applyRegFile(*env.hive, *installation);
    } catch (const std::exception& error) {
        std::cerr << "varmio-wizard: the texts could not be imported: " << error.what() << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace varmio;
    // Answered before QApplication, which needs a display.
    const cli::Standard asked = cli::standardOption(cli::argumentsOf(argc, argv), false);
    if (asked != cli::Standard::None) return cli::answer(asked, kProgram, kUsage);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varmio-wizard"));
    // The desktop entry and the icon the installation brings; the built-in logo otherwise.
    QGuiApplication::setDesktopFileName(QStringLiteral("varmio-wizard"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("varmio-wizard"),
                                                 QIcon(QStringLiteral(":/logos/logo_0.svg"))));
    const std::optional<std::vector<std::string>> words = wizardArguments(argc, argv);
    if (!words) return cli::kExitUsage;

    WizardEnvironment env;
    try {
        env = openWizardEnvironment(false);
    } catch (const HiveError& error) {
        reportStoreError(error);
        return kExitStoreError;
    }
    importTextsOnFirstStart(env);

    QtWindowHost host;
    MainWindow* shown = nullptr;
    QtDialogs dialogs([&shown]() -> QWidget* { return shown; });
    LinuxShell shell;
    LcgRandom random;
    WizardWindow w(WizardServices{*env.settings, dialogs, shell, *env.system, random, host},
                   WizardStartInfo{joinCommandLine(*words), env.programFolder, *words});
    SecretServiceKeyring keyring;
    w.keyring = &keyring;
    MainWindow window(w, host);

    try {
        Form_Load(w);
    } catch (const ProgramEnd&) {
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "varmio-wizard: start-up failed: " << error.what() << "\n";
    }
    if (host.ended() || w.ended()) return 0;

    host.syncAll();
    window.show();
    shown = &window;
    if (ScreenshotHook* hook = ScreenshotHook::fromEnvironment(host, window)) hook->start();
    return QApplication::exec();
}
