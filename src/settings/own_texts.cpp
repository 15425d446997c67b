#include "own_texts.h"

#include <array>
#include <utility>

#include "platform/basic_text.h"

namespace varmio {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kOwnTexts{{
    {"LAB_MANUAL_FILE", "Type a file path and press Enter to add it:"},
    {"CMD_GETTREE", "List Folders"},
    {"LAB_UNC_NAME", "Target folder:"},
    {"LAB_INTRA_PRJ", "Selected project:"},
    {"LAB_INTRA_NAME", "Intranet:"},
    {"LAB_INTRA_PATH", "Root folder:"},
    {"CMD_RELOAD_TREE", "Reload"},
    {"CMD_OK", "OK"},
    {"CMD_CANCEL", "Cancel"},
    {"PAGE_frm_files", "Files to publish"},
    {"PAGE_frm_html_1", "Web page"},
    {"PAGE_frm_html_2", "Page file, header and footer"},
    {"PAGE_frm_html_3", "Title, keywords and texts"},
    {"PAGE_frm_html_4", "Links"},
    {"PAGE_frm_html_5", "How the files appear"},
    {"PAGE_frm_html_6", "Preview"},
    {"PAGE_frm_export_1", "Deliver"},
    {"PAGE_frm_ftp", "Upload by FTP"},
    {"PAGE_frm_mail", "Send by e-mail"},
    {"PAGE_frm_unc", "Copy to a folder"},
    {"PAGE_frm_intra", "Intranet"},
}};

}  // namespace

std::string_view ownDesignText(std::string_view key) {
    for (const auto& [ownKey, text] : kOwnTexts)
        if (equalsNoCase(ownKey, key)) return text;
    return {};
}

}  // namespace varmio
