#include "intranet_page.h"

#include "intranet/intranet_list.h"
#include "intranet_store.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "wizard/wizard_window.h"

namespace varmio {

void prepareIntranetChoice(WizardWindow& w) {
    tryStep([&] {
        WizardWindow::Working working(w, "PROSESSING");
        if (w.txt_intra_path.text.empty()) w.txt_intra_path.text = w.config("txt_intra_path");
        InitIntraTree(w);
    });

    std::vector<IntranetEntry> entries;
    tryStep([&] { entries = parseIntranetList(w.config("MYINTRA")); });
    tryStep([&] { w.cmb_my_intras.clear(); });
    bool takenFromList = false;
    for (const IntranetEntry& entry : entries) {
        tryStep([&] {
            if (!w.txt_intra_path.text.empty()) return;
            w.txt_intra_path.text = entry.root;
            w.settings().WriteSetting("CONFIG", "txt_intra_path", entry.root);
            w.cmb_my_intras.text = entry.name;
            takenFromList = true;
        });
        tryStep([&] { w.cmb_my_intras.addItem(entry.name); });
        tryStep([&] {
            if (lcase(withFinalSeparator(entry.root)) ==
                    lcase(withFinalSeparator(w.txt_intra_path.text)) &&
                !takenFromList)
                w.cmb_my_intras.text = entry.name;
        });
    }
    tryStep([&] {
        if (entries.size() == 1 && w.txt_intra_path.text.empty())
            w.cmb_my_intras.text = entries[0].name;
    });
    tryStep([&] {
        if (!w.txt_intra_path.text.empty() && !entries.empty()) return;
        w.txt_intra_path.text.clear();
        {
            WizardWindow::Working working(w, "PROSESSING");
            InitIntraTree(w);
        }
        TreeNode& root = w.tvwIntra.node(1);
        root.text = "No intra defined";
        root.image = intranet_image::kUndefinedRoot;
    });
    // The tree was built before the list named the intranet: build it again for the chosen
    // folder and name, so the root is never a tree of nowhere.
    tryStep([&] {
        TreeNode& root = w.tvwIntra.node(1);
        if (root.image == intranet_image::kUndefinedRoot) return;
        if (root.tag != w.txt_intra_path.text || root.text != w.cmb_my_intras.text)
            InitIntraTree(w);
    });
    tryStep([&] { w.tvwIntra.select(&w.tvwIntra.node(1)); });
}

}  // namespace varmio
