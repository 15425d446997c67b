#pragma once

#include <string>

#include "agent_texts.h"
#include "output_choice.h"

namespace varmio {

// Where the agent works: the user's spool folder, the folder that receives the produced files
// of the job at hand (one subfolder per job, which "pat" names), and the Windows folder that
// receives the converter settings file.
struct AgentFolders {
    std::string spool;
    std::string print;
    std::string windows;
};

// The outcome of preparing one job for the wizard.
struct Preparation {
    enum class Outcome {
        Ready,    // files and converter settings are in place: start the wizard
        Discard,  // the job can never be opened (empty, not a PDF): tell the user, drop it
        Keep,     // it could not be done now (disk full, ...): tell the user, keep the job
    };
    Outcome outcome = Outcome::Keep;
    std::string message;  // for Discard and Keep: why; for Ready: a note or ""
    std::string folder;   // for Ready: the folder of the produced files
    hand_over::Kind kind = hand_over::Kind::Pdf;  // for Ready: what the folder holds
    int pages = 0;
};

// Puts the produced files of spooled job `job` into a new subfolder of `folders.print` and
// writes the converter settings file. The subfolder appears complete or not at all; the
// settings file is replaced in one step, and only after the files are in place. Earlier jobs'
// subfolders are removed first: their wizard runs have ended. Runs off the user-interface thread;
// the messages for the user come from `texts`.
Preparation prepareJob(const AgentFolders& folders, const std::string& job, OutputChoice choice,
                       const AgentTexts& texts);

}  // namespace varmio
