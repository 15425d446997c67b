#include "agent_texts.h"

#include <array>
#include <utility>
#include <vector>

#include "settings/language.h"

namespace varmio {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 18> kEnglish{{
    {"AGENT_JOB_EMPTY", "The print job is empty: there is nothing to publish."},
    {"AGENT_JOB_NOT_PDF", "The print job is no readable PDF document; it was dropped."},
    {"AGENT_JOB_CANNOT_DRAW", "The print job cannot be drawn: %1"},
    {"AGENT_TOO_MANY_PAGES",
     "The document has %1 pages, more than %2 page images can be named: it opens as a PDF "
     "document."},
    {"AGENT_NOT_PREPARED", "It could not be prepared: %1."},
    {"AGENT_WIZARD_NOT_STARTED", "The wizard cannot be started (%1)."},
    {"AGENT_STAYS_QUEUED", "The job stays queued and opens at your next login."},
    {"AGENT_OPENED_IMAGES", "Opened in the wizard as %1 page images."},
    {"AGENT_OPENED_IMAGE", "Opened in the wizard as 1 page image."},
    {"AGENT_OPENED_PDF", "Opened in the wizard, a PDF document of %1 pages."},
    {"AGENT_OPENED_PDF_PAGE", "Opened in the wizard, a PDF document of 1 page."},
    {"AGENT_CFG_TITLE", "Varmio printer"},
    {"AGENT_CFG_PROMPT", "A document printed to Varmio reaches the wizard as:"},
    {"AGENT_CFG_PDF", "The &PDF document"},
    {"AGENT_CFG_IMAGES", "Page &images (001.png, 002.png, ...)"},
    {"AGENT_CFG_DPI", "&Resolution:"},
    {"CMD_OK", "OK"},
    {"CMD_CANCEL", "Cancel"},
}};

std::string text(const Settings& settings, std::string_view key) {
    std::string found = GetText(settings, key);
    if (found != notFoundText(key)) return found;
    for (const auto& [english, words] : kEnglish)
        if (english == key) return std::string(words);
    return found;
}

}  // namespace

AgentTexts loadAgentTexts(const Settings& settings) {
    return {text(settings, "AGENT_JOB_EMPTY"),       text(settings, "AGENT_JOB_NOT_PDF"),
            text(settings, "AGENT_JOB_CANNOT_DRAW"), text(settings, "AGENT_TOO_MANY_PAGES"),
            text(settings, "AGENT_NOT_PREPARED"),    text(settings, "AGENT_WIZARD_NOT_STARTED"),
            text(settings, "AGENT_STAYS_QUEUED"),    text(settings, "AGENT_OPENED_IMAGES"),
            text(settings, "AGENT_OPENED_IMAGE"),    text(settings, "AGENT_OPENED_PDF"),
            text(settings, "AGENT_OPENED_PDF_PAGE")};
}

QString agentText(const Settings& settings, std::string_view key) {
    return QString::fromStdString(text(settings, key));
}

std::string fillIn(std::string_view text, std::initializer_list<std::string> values) {
    const std::vector<std::string> args(values);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace varmio
