#include "file_list.h"

#include "page/file_names.h"
#include "platform/dialogs.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "wizard/history.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr std::string_view kAddFileFilter =
    "All Files (*.*)|*.*|Compuserve graphics format (*.gif)|*.gif|JPEG (*.jpg, *.jpeg)|"
    "*.jpg;*.jpeg| Portable network graphic (*.png)|*.png";

void enableNextWhenFilesListed(WizardWindow& w) {
    w.cmd_next.enabled = w.lvwFiles.count() > 0;
}

}  // namespace

void addFileRow(WizardWindow& w, std::string folder, std::string name) {
    ListItem& row = w.lvwFiles.add(std::move(folder));
    row.setSubItem(1, std::move(name));
    row.setSubItem(2, " ");
}

void chk_add_files_Click(WizardWindow& w) {
    w.frm_files_2.visible = w.chk_add_files.ticked();
}

void cmd_addfile_Click(WizardWindow& w) {
    std::optional<std::string> chosen;
    if (!tryStep([&] { chosen = w.dialogs().openFile({std::string(kAddFileFilter), 1}); })) return;
    if (!chosen || chosen->empty()) return;
    addChosenFile(w, *chosen);
}

void addChosenFile(WizardWindow& w, std::string_view chosen) {
    SplitPath path = splitPath(chosen);
    tryStep([&] {
        if (!hasQuestionMark(path)) addFileRow(w, path.folder, path.name);
    });
    tryStep([&] { w.cmb_link_img.addItem(path.folder + path.name); });
    enableNextWhenFilesListed(w);
}

void cmb_manual_file_KeyPress(WizardWindow& w, int& keyAscii) {
    if (keyAscii != kEnterKey) return;
    tryStep([&] {
        const std::string typed = w.cmb_manual_file.text;
        SplitPath path = splitPath(typed);
        if (!hasQuestionMark(path)) addFileRow(w, path.folder, path.name);

        Settings& s = w.settings();
        std::string stored = s.ReadSetting("CONFIG", "CMB_MANUAL_FILES");
        if (occursIn(stored, path.name, Compare::IgnoreCase)) return;
        stored += typed + "|";
        s.WriteSetting("CONFIG", "CMB_MANUAL_FILES", stored);
        w.cmb_manual_file.text.clear();
        w.cmb_manual_file.clear();
        w.cmb_manual_file.fillFromList(s.ReadSetting("CONFIG", "CMB_MANUAL_FILES"));
    });
}

void cmd_remfile_Click(WizardWindow& w) {
    tryStep([&] {
        if (w.lvwFiles.count() == 0) return;
        ListItem* row = w.lvwFiles.selectedItem();
        if (!row) return;  // nothing selected: the question cannot be asked
        std::string question = w.GetText("QUE_REMFILE_1") + row->text + row->subItem(1) +
                               w.GetText("QUE_REMFILE_2") + "?";
        if (w.Ask(question)) w.lvwFiles.remove(w.lvwFiles.selected);
    });
    enableNextWhenFilesListed(w);
}

void cmd_copytag_Click(WizardWindow& w) {
    tryStep([&] {
        if (w.lvwFiles.count() == 0) return;
        ListItem* row = w.lvwFiles.selectedItem();
        if (!row) return;
        row->setSubItem(2, row->subItem(2) == " " ? "X" : " ");
    });
}

}  // namespace varmio
