// varmio-wizard: the Varmio Publish Wizard on the desktop.

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/environment.h"
#include "main_window.h"
#include "platform/errors.h"
#include "platform/hive.h"
#include "platform/linux_platform.h"
#include "platform/random.h"
#include "platform/secret_service_keyring.h"
#include "qt_dialogs.h"
#include "qt_window_host.h"
#include "screenshot.h"
#include "wizard/startup.h"
#include "wizard/wizard_window.h"

namespace {

constexpr int kExitStoreError = 2;

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

}  // namespace

int main(int argc, char** argv) {
    using namespace varmio;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varmio-wizard"));

    // QApplication took its own options out of argv; the rest is the wizard's command line.
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(QString::fromLocal8Bit(argv[i]).toStdString());

    WizardEnvironment env;
    try {
        env = openWizardEnvironment(false);
    } catch (const HiveError& error) {
        reportStoreError(error);
        return kExitStoreError;
    }

    QtWindowHost host;
    MainWindow* shown = nullptr;
    QtDialogs dialogs([&shown]() -> QWidget* { return shown; });
    LinuxShell shell;
    LcgRandom random;
    WizardWindow w(WizardServices{*env.settings, dialogs, shell, *env.system, random, host},
                   WizardStartInfo{joinCommandLine(words), env.programFolder});
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
