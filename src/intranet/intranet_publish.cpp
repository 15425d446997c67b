#include "intranet_publish.h"

#include "intranet_page.h"
#include "wizard/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

void cmd_intra_Click(WizardWindow& w) {
    tryStep([&] { w.frm_intra.visible = true; });
    tryStep([&] { w.frm_export_1.visible = false; });
    tryStep([&] { w.cmd_prev.enabled = true; });
    tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
    tryStep([&] { w.cmd_next.enabled = true; });
    tryStep([&] { w.cmb_intra_prj.text.clear(); });
    prepareIntranetChoice(w);
}

// Publishing arrives with the intranet store; until then nothing is written.
void IntraCopy(WizardWindow&, const std::string&) {}

}  // namespace varmio
