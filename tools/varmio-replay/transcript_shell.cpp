#include "transcript_shell.h"

#include "script_words.h"

namespace varmio::replay {

void TranscriptShell::open(std::string_view file, std::string_view parameters,
                           std::string_view workingFolder, int showMode) {
    std::string line = "open " + quote(file);
    if (!parameters.empty()) line += " " + quote(parameters);
    transcript_.line(line);
    if (passOn_) passOn_->open(file, parameters, workingFolder, showMode);
}

void TranscriptShell::startHidden(std::string_view program) {
    transcript_.line("start " + quote(program));
    if (passOn_) passOn_->startHidden(program);
}

}  // namespace varmio::replay
