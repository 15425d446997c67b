#include "intranet_tree.h"

#include "wizard/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

void InitIntraTree(WizardWindow& w) {
    WizardWindow::Working working(w, "PROSESSING");
    tryStep([&] {
        w.tvwIntra.clear();
        TreeNode& root = w.tvwIntra.add("", "root", w.cmb_my_intras.text, 5);
        root.tag = w.txt_intra_path.text;
        root.expanded = true;
    });
}

}  // namespace varmio
