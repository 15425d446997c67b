#include "intranet_tree.h"

#include "intranet/intranet_list.h"
#include "intranet/intranet_reader.h"
#include "intranet/intranet_records.h"
#include "intranet_store.h"
#include "page/page_generator.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr int kRightButton = 2;

bool isProject(const TreeNode& node) {
    return node.image == intranet_image::kProject || node.image == intranet_image::kProjectRead;
}

// The name mirror follows the selection; with nothing chosen yet the root is selected.
void alignMirrorWithSelection(WizardWindow& w) {
    TreeView& tree = w.tvwIntra;
    TreeNode* selected = tree.selected();
    if (selected && selected->text != w.cmb_intra_prj.text) w.cmb_intra_prj.text = selected->text;
    if (w.cmb_intra_prj.text.empty() && tree.count() > 0) {
        tree.select(&tree.node(1));
        w.cmb_intra_prj.text = tree.node(1).text;
    }
}

void openInBrowser(WizardWindow& w, const std::string& address, const std::string& folder = "") {
    w.shell().open(address, "", folder, 1);
}

// Renames a node's record: `line` (0-based) holds the name.
void renameRecord(WizardWindow& w, TreeNode& node, const std::string& record, int line) {
    std::vector<std::string> lines;
    tryStep([&] { lines = readRecord(record); });
    std::string answer = w.InputBox(w.GetText("NEWNAME"), lines.empty() ? "" : lines[line]);
    if (answer.empty()) return;
    node.text = answer;
    if (lines.empty()) return;
    lines[line] = answer;
    tryStep([&] { writeRecord(intranetRoot(w), findRecord(record), lines); });
}

}  // namespace

void tvwIntra_NodeClick(WizardWindow& w, TreeNode& node) {
    if (isFolderNode(node)) w.cmb_intra_prj.text = node.text;
    if (node.image == intranet_image::kProject && w.tvwIntra.position(node) >= 2) {
        w.frm_Working.show(w.host());
        node.image = intranet_image::kProjectRead;
        tryStep([&] { ReadDNI(w, node.tag); });
        node.expanded = true;
        w.frm_Working.hide();
    }
}

void tvwIntra_MouseDown(WizardWindow& w, int button) {
    tryStep([&] { alignMirrorWithSelection(w); });
    if (button != kRightButton) return;
    tryStep([&] {
        TreeNode* node = w.tvwIntra.selected();
        if (!node) return;
        if (node->text == "Intranet")
            openInBrowser(w, "file://" + w.txt_intra_path.text + "/index.html");
        else if (isProject(*node))
            openInBrowser(w, "file://" + node->tag + "/index.html");
        else if (node->image == intranet_image::kDocument)
            openInBrowser(w, "file://" + node->tag);
    });
}

void cmd_show_Click(WizardWindow& w) {
    tryStep([&] { alignMirrorWithSelection(w); });
    tryStep([&] {
        TreeNode* node = w.tvwIntra.selected();
        if (!node) return;
        if (node->image == intranet_image::kRoot)
            openInBrowser(w, "file://" + w.txt_intra_path.text + "/index.html",
                          "file://" + w.txt_intra_path.text);
        else if (isProject(*node))
            openInBrowser(w, "file://" + ConvertBackSlash(node->tag) + "/index.html");
        else if (node->image == intranet_image::kDocument)
            openInBrowser(w, "file://" + ConvertBackSlash(node->tag));
    });
}

void cmb_my_intras_Click(WizardWindow& w) {
    tryStep([&] {
        std::string root;
        for (const IntranetEntry& entry : parseIntranetList(w.config("MYINTRA"))) {
            root = entry.root;
            if (entry.name == w.cmb_my_intras.text) break;
        }
        w.txt_intra_path.text = root;
    });
    {
        WizardWindow::Working working(w, "PROSESSING");
        tryStep([&] { InitIntraTree(w); });
    }
    tryStep([&] { w.tvwIntra.node(1).text = w.cmb_my_intras.text; });
}

void cmd_intra_cfg_Click(WizardWindow& w) {
    w.frm_intra_cfg.visible = true;
    w.cmd_intra_cfg.enabled = false;
}

void cmd_intra_brw_Click(WizardWindow& w) {
    tryStep([&] { InitIntraTree(w); });
    w.cmb_intra_prj.clear();
    w.txt_intra_path.text = withFinalSeparator(w.txt_intra_path.text);
    const std::string root = w.txt_intra_path.text;
    for (const std::string& folder : listFolders(root)) {
        tryStep([&] {
            std::vector<std::string> lines = readLines(root + folder + ".ini");
            if (lines.size() >= 2) w.cmb_intra_prj.addItem(lines[1]);
        });
    }
}

void cmd_mkprj_Click(WizardWindow& w) {
    tryStep([&] { CreateFold(w); });
}

void cmd_rename_Click(WizardWindow& w) {
    tryStep([&] {
        TreeNode* node = w.tvwIntra.selected();
        if (!node) return;
        if (isProject(*node)) {
            renameRecord(w, *node, node->tag + ".fni", 1);
        } else if (node->image == intranet_image::kDocument) {
            const std::string folder = node->tag.substr(0, node->tag.rfind('/'));
            renameRecord(w, *node, folder + ".dni", 0);
        }
    });
}

void cmd_delete_Click(WizardWindow& w) {
    tryStep([&] {
        if (!w.Ask(w.GetText("DELETE_PRJ_DOC"))) return;
        TreeNode* node = w.tvwIntra.selected();
        if (!node) return;
        if (node->image == intranet_image::kDocument) {
            WizardWindow::Working working(w, "PROSESSING");
            removeDocument(w, *node);
        } else if (isProject(*node)) {
            WizardWindow::Working working(w, "PROSESSING");
            removeProject(w, *node);
        }
    });
}

void cmd_intra_refresh_Click(WizardWindow& w) {
    IntranetReader reader;
    refreshIntraTree(w, reader);
}

void refreshIntraTree(WizardWindow& w, IntranetReader& reader) {
    if (w.tvwIntra.count() > 0 && w.tvwIntra.node(1).image == intranet_image::kUndefinedRoot)
        return;
    WizardWindow::Working working(w, "PROSESSING");
    tryStep([&] { InitIntraTree(w, reader); });
}

}  // namespace varmio
