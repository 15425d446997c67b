// The "varmio" CUPS backend: puts each job, already turned into PDF by CUPS's filters, into the
// spool folder of the user who printed it, where that user's session agent takes it to the
// wizard. Called by CUPS as: varmio JOB USER TITLE COPIES OPTIONS [FILE], with the device URI
// "varmio:/SPOOL/BASE" in DEVICE_URI. Without arguments it lists its device for lpinfo.

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "printer/spool.h"
#include "standard_options.h"
#include "user_spool.h"

namespace {

std::string baseFromDeviceUri() {
    const char* uri = std::getenv("DEVICE_URI");
    std::string_view text = uri ? uri : "";
    if (!text.starts_with("varmio:")) return "";
    text.remove_prefix(7);
    while (text.starts_with("//"))
        text.remove_prefix(1);
    return std::string(text);
}

constexpr const char* kUsage =
    "usage: varmio-printer-backend JOB USER TITLE COPIES OPTIONS [FILE]\n"
    "The CUPS backend \"varmio\": puts a job into its owner's spool folder for the\n"
    "varmio-printer-agent. Without arguments it lists its device. CUPS calls it as\n"
    "/usr/lib/cups/backend/varmio with the device URI varmio:/SPOOL in DEVICE_URI.\n";

void onTerminate(int) {
    varmio::requestCancel();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace varmio;
    // CUPS never passes an option; a person asking gets an answer.
    if (argc > 1 && argc < 6) {
        const cli::Standard asked = cli::standardOption(cli::argumentsOf(argc, argv), true);
        if (asked != cli::Standard::None)
            return cli::answer(asked, "varmio-printer-backend", kUsage);
        if (cli::isOption(argv[1]))
            return cli::usageError("varmio-printer-backend",
                                   std::string("unknown option ") + argv[1], kUsage);
    }
    if (argc == 1) {
        std::printf("direct varmio \"Varmio\" \"Varmio Publish Wizard\"\n");
        return kBackendOk;
    }
    if (argc < 6 || argc > 7) {
        std::fprintf(stderr, "Usage: %s JOB USER TITLE COPIES OPTIONS [FILE]\n", argv[0]);
        return kBackendFailed;
    }
    struct sigaction action {};
    action.sa_handler = onTerminate;  // no SA_RESTART: a blocked read returns at once
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    // The owner is the one CUPS recorded for the job; the document has no say.
    const passwd* found = ::getpwnam(argv[2]);
    if (!found) {
        std::fprintf(stderr, "ERROR: The job's owner \"%s\" has no account here\n", argv[2]);
        return kBackendCancel;
    }
    const passwd user = *found;
    const int input = argc == 7 ? ::open(argv[6], O_RDONLY | O_CLOEXEC) : 0;
    if (input < 0) {
        std::perror("ERROR: Cannot open the job's file");
        return kBackendFailed;
    }
    try {
        const int folder = openUserSpool(spool::spoolBase(baseFromDeviceUri()), user);
        const std::string name = spool::newJobName(argv[1]);
        std::fprintf(stderr, "INFO: Handing the job to %s\n", user.pw_name);
        writeJob(folder, name, input, argv[3]);
        std::fprintf(stderr, "INFO: Ready for the Varmio Publish Wizard\n");
        return kBackendOk;
    } catch (const SpoolError& error) {
        if (error.status() != kBackendOk)
            std::fprintf(stderr, "ERROR: Job not spooled: %s\n", error.what());
        return error.status();
    }
}
