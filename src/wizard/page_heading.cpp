#include "page_heading.h"

#include "wizard_window.h"

namespace varmio {

std::string pageHeadingKey(const WizardWindow& w) {
    for (const Frame* page :
         {&w.frm_files, &w.frm_html_1, &w.frm_html_2, &w.frm_html_3, &w.frm_html_4, &w.frm_html_5,
          &w.frm_html_6, &w.frm_export_1, &w.frm_ftp, &w.frm_mail, &w.frm_unc, &w.frm_intra})
        if (page->visible) return "PAGE_" + page->name();
    return {};
}

std::string pageHeading(const WizardWindow& w) {
    std::string key = pageHeadingKey(w);
    return key.empty() ? std::string() : w.GetText(key);
}

}  // namespace varmio
