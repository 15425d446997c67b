// varmio-printer-agent: the session side of the Varmio printer. Started at login (XDG
// autostart), it watches the user's spool folder and opens each printed job in the wizard.
//
//   varmio-printer-agent                   watch and open jobs until the session ends
//   varmio-printer-agent --once            open the jobs queued now, one run after the other
//   varmio-printer-agent --wizard "PROGRAM [ARG ...]"   start this instead of varmio-wizard
//   varmio-printer-agent --config          choose PDF or page images, and their resolution

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>

#include "agent.h"
#include "config_dialog.h"
#include "platform/hive.h"
#include "platform/hive_location.h"
#include "platform/linux_platform.h"
#include "platform/locations.h"
#include "platform/sqlite_hive.h"
#include "printer/spool.h"
#include "settings/settings.h"
#include "standard_options.h"

namespace {

using namespace varmio;

QStringList defaultWizard() {
    const QString beside = QString::fromStdString(executableFolder() + "/varmio-wizard");
    if (QFileInfo(beside).isExecutable()) return {beside};
    return {QStandardPaths::findExecutable(QStringLiteral("varmio-wizard"))};
}

// One agent per user: a second one (a second session) would open every job twice.
bool onlyAgent(const std::string& print) {
    std::error_code ignored;
    std::filesystem::create_directories(print, ignored);
    const int fd = ::open((print + "/.agent-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;  // held until the process ends
}

int runAgent(Settings& settings, const QCommandLineParser& parser) {
    LinuxSystemInfo system;
    const std::string base = spool::spoolBase(system.environment("VARMIO_SPOOL"));
    const AgentFolders folders{spool::userFolder(base, ::getuid()),
                               programFolder(system) + "/print", windowsFolder(system)};
    if (!onlyAgent(folders.print)) {
        std::cerr << "varmio-printer-agent: another agent is running for this user\n";
        return 1;
    }
    Agent::Options options;
    options.once = parser.isSet("once");
    options.wizard = parser.isSet("wizard")
                         ? parser.value("wizard").split(QLatin1Char(' '), Qt::SkipEmptyParts)
                         : defaultWizard();
    if (options.wizard.isEmpty() || options.wizard.first().isEmpty()) {
        std::cerr << "varmio-printer-agent: varmio-wizard is not installed\n";
        return 1;
    }
    Agent agent(settings, folders, base, options);
    QTimer::singleShot(0, &agent, &Agent::start);  // inside the event loop, which --once quits
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    // A file size limit must fail the write that meets it, not end the agent.
    std::signal(SIGXFSZ, SIG_IGN);
    // The dialog needs a display; --help and --version never do.
    const bool config =
        argc > 1 && std::string_view(argv[1]) == "--config" &&
        cli::standardOption(cli::argumentsOf(argc, argv), false) == cli::Standard::None;
    std::unique_ptr<QCoreApplication> app = config ? std::make_unique<QApplication>(argc, argv)
                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varmio-printer-agent"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(cli::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens documents printed to Varmio in the wizard."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"config", "Choose what printing hands to the wizard."},
        {"once", "Open the jobs queued now, then quit."},
        {"wizard", "The wizard to start (program and arguments, blank-separated).", "command"},
    });
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        std::cerr << "varmio-printer-agent: " << parser.errorText().toStdString() << "\n"
                  << parser.helpText().toStdString();
        return cli::kExitUsage;
    }
    if (parser.isSet("help")) parser.showHelp();
    if (parser.isSet("version")) parser.showVersion();

    std::unique_ptr<SqliteHive> hive;
    try {
        hive = std::make_unique<SqliteHive>(defaultHivePath());
    } catch (const HiveError& error) {
        std::cerr << "varmio-printer-agent: " << error.file().string() << ": " << error.reason()
                  << "\n";
        return cli::kExitUsage;
    }
    Settings settings(*hive);
    if (config) {
        ConfigDialog dialog(settings);
        return dialog.exec() == QDialog::Accepted ? 0 : 1;
    }
    return runAgent(settings, parser);
}
