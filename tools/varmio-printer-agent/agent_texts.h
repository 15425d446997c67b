#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace varmio {

// The agent's messages in the user's language, from the store's language tables like every text
// of the wizard. Read on the user-interface thread once per job, so that the thread preparing
// the job never touches the store.
struct AgentTexts {
    std::string jobEmpty;          // AGENT_JOB_EMPTY
    std::string notPdf;            // AGENT_JOB_NOT_PDF
    std::string cannotDraw;        // AGENT_JOB_CANNOT_DRAW: %1 the reason
    std::string tooManyPages;      // AGENT_TOO_MANY_PAGES: %1 pages, %2 the most images
    std::string notPrepared;       // AGENT_NOT_PREPARED: %1 the reason
    std::string wizardNotStarted;  // AGENT_WIZARD_NOT_STARTED: %1 the reason
    std::string staysQueued;       // AGENT_STAYS_QUEUED
    std::string openedImages;      // AGENT_OPENED_IMAGES: %1 pages
    std::string openedImage;       // AGENT_OPENED_IMAGE (one page)
    std::string openedPdf;         // AGENT_OPENED_PDF: %1 pages
    std::string openedPdfPage;     // AGENT_OPENED_PDF_PAGE (one page)
};

AgentTexts loadAgentTexts(const Settings& settings);

// The text of `key` in the current language; its English text where the store lacks it (a
// store filled by an older installation).
QString agentText(const Settings& settings, std::string_view key);

// `text` with %1, %2, ... replaced by `values` in one pass: a value that holds "%2" (a job title
// is anyone's text) stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string> values);

}  // namespace varmio
