#pragma once

#include "platform/shell.h"
#include "transcript.h"

namespace varmio::replay {

// Writes every open and program start to the transcript; with a real shell behind it (--exec)
// also carries them out.
class TranscriptShell : public Shell {
  public:
    TranscriptShell(Transcript& transcript, Shell* passOn)
        : transcript_(transcript), passOn_(passOn) {}

    void open(std::string_view file, std::string_view parameters, std::string_view workingFolder,
              int showMode) override;
    void startHidden(std::string_view program) override;

  private:
    Transcript& transcript_;
    Shell* passOn_;
};

}  // namespace varmio::replay
