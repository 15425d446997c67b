// varmpdf: the PDF converter the wizard starts, without waiting for it, when the converter
// settings say "pdf". On Linux CUPS's filters have made the PDF already; varmpdf makes sure it
// is in place: "tmp.pdf" in the folder of "pat", a complete PDF file. A printer side that writes
// the PDF while the wizard starts gets a few seconds to finish it. The outcome goes to stderr
// and the exit status (0: in place, 1: not, 2: no converter settings naming a PDF).

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/linux_platform.h"
#include "platform/locations.h"
#include "printer/hand_over.h"
#include "standard_options.h"

namespace {

using namespace varmio;

constexpr const char* kUsage =
    "usage: varmpdf\n"
    "Checks that the PDF the converter settings (varmiocv.ini in the Windows folder) name is\n"
    "in place and complete, waiting a few seconds for it. Exit status 0 in place, 1 not,\n"
    "2 no converter settings naming a PDF (or a wrong command line).\n";
constexpr auto kPatience = std::chrono::seconds(10);
constexpr auto kLookEvery = std::chrono::milliseconds(200);

// A PDF starts with its header and ends with the end-of-file marker near its last byte.
bool completePdf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string head(5, '\0');
    if (!in.read(head.data(), 5) || head != "%PDF-") return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 1024);
    std::string end(static_cast<size_t>(tail), '\0');
    in.seekg(size - tail);
    return in.read(end.data(), tail) && end.find("%%EOF") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = cli::argumentsOf(argc, argv);
    const cli::Standard asked = cli::standardOption(args, true);
    if (asked != cli::Standard::None) return cli::answer(asked, "varmpdf", kUsage);
    if (!args.empty()) return cli::usageError("varmpdf", "unexpected argument " + args[0], kUsage);
    LinuxSystemInfo system;
    const std::string settingsFile =
        windowsFolder(system) + "/" + std::string(hand_over::kSettingsFile);
    const hand_over::ConverterSettings settings =
        hand_over::readConverterSettings(readFileText(settingsFile).value_or(""));
    if (!settings.found || !settings.pdf) {
        std::cerr << "varmpdf: " << settingsFile << " names no PDF\n";
        return 2;
    }
    const std::string pdf = settings.folder + "/" + std::string(hand_over::kPdfName);
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!completePdf(pdf)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            std::cerr << "varmpdf: " << pdf << " is not a complete PDF file\n";
            return 1;
        }
        std::this_thread::sleep_for(kLookEvery);
    }
    return 0;
}
