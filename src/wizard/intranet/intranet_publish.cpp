#include "intranet_publish.h"

#include <optional>

#include "delivery/delivery_messages.h"
#include "index_pages.h"
#include "intranet/confined_path.h"
#include "intranet/intranet_disk.h"
#include "intranet/intranet_records.h"
#include "intranet_page.h"
#include "intranet_store.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/random.h"
#include "platform/steps.h"
#include "wizard/file_rows.h"
#include "wizard/page/generate_html.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// Runs publishing's steps, remembering the last failure for the final message. Once told to
// ignore errors, a failure clears what was remembered instead.
class ErrorRecorder {
  public:
    template <class Step>
    void run(Step&& step) {
        try {
            step();
        } catch (const std::exception& e) {
            note(errorNumber(e), errorDescription(e));
        }
    }
    void ignoreFromNowOn() { ignoring_ = true; }
    bool failed() const { return last_.has_value(); }
    std::string report() const { return failureDetail(last_->description, last_->number); }

  private:
    struct Failure {
        int number;
        std::string description;
    };
    void note(int number, const std::string& description) {
        if (ignoring_)
            last_.reset();
        else
            last_ = Failure{number, description};
    }

    bool ignoring_ = false;
    std::optional<Failure> last_;
};

// A folder node takes a new document, a document node its replacement, when its folder lies in
// the intranet: a damaged record can name any place.
bool canTake(const WizardWindow& w, const TreeNode* node, const std::string& IntraPath) {
    if (!node) return false;
    if (node->image == intranet_image::kDocument)
        return tryStep([&] { confinedPath(intranetRoot(w), documentFolderOf(IntraPath)); });
    return isFolderNode(*node) && tryStep([&] { writableFolder(w, *node); });
}

}  // namespace

void cmd_intra_Click(WizardWindow& w) {
    tryStep([&] { w.frm_intra.visible = true; });
    tryStep([&] { w.frm_export_1.visible = false; });
    tryStep([&] { w.cmd_prev.enabled = true; });
    tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
    tryStep([&] { w.cmd_next.enabled = true; });
    tryStep([&] { w.cmb_intra_prj.text.clear(); });
    prepareIntranetChoice(w);
}

void IntraCopy(WizardWindow& w, const std::string& IntraPath) {
    TreeNode* node = w.tvwIntra.selected();
    const bool replacing = node && node->image == intranet_image::kDocument;
    if (!canTake(w, node, IntraPath)) {
        w.MsgBox(w.GetText("NOPROJECTSELECTEDNODOCSENT"));
        return;
    }

    ErrorRecorder errors;
    std::string recordFile, ownerKey, documentFolder;
    if (replacing) {
        errors.run([&] {
            recordFile = findRecord(IntraPath.substr(0, IntraPath.rfind('/')) + ".dni");
            std::vector<std::string> record = readRecord(recordFile);
            ownerKey = record[1];
            documentFolder = record[2];
            // The page keeps the file name it was published under.
            if (record[3].size() >= 5 && record[3] != w.cmb_htmlfile.text)
                w.cmb_htmlfile.text = record[3];
            w.cmb_html_title.text = record[0];
        });
        errors.run([&] { w.chk_cmpHTML.setValue(1); });
    }

    const std::string title = w.InputBox(w.GetText("TITLE"), w.cmb_html_title.text);
    if (title.empty()) return;
    // Another wizard publishing into the same intranet waits until this one's index pages are
    // written, and the other way round; released before the closing message.
    std::optional<FolderLock> turn(std::in_place, intranetRoot(w));
    errors.run([&] { GenerateHTML(w, true); });
    errors.run([&] { w.random().Randomize(); });

    std::string target, folderName;
    if (!replacing) {
        errors.ignoreFromNowOn();
        errors.run([&] { ensureFolder(intranetRoot(w), IntraPath); });
        errors.run([&] { GenerateMainIndex(w); });
        errors.run([&] {
            folderName = freeDocumentFolderName(IntraPath, w.random());
            target = joinPath(IntraPath, folderName);
            makeDocumentFolder(intranetRoot(w), target);
        });
    } else {
        // The old files go only now that the new title is confirmed.
        target = documentFolder;
        errors.run([&] { clearDocumentFolder(intranetRoot(w), IntraPath); });
    }

    for (const FileRow& row : fileRows(w.lvwFiles)) {
        if (row.mark != " ") continue;
        errors.run([&] { publishFile(intranetRoot(w), target, row); });
    }

    if (replacing) {
        errors.run([&] {
            Overwrite_doc(w, recordFile, title, ownerKey, documentFolder, w.cmb_htmlfile.text);
        });
    } else {
        errors.run([&] { create_doc(w, title, IntraPath, w.cmb_htmlfile.text, folderName); });
        errors.run([&] { GeneratePrjIndex(w, w.tvwIntra.position(*node)); });
    }

    turn.reset();
    if (errors.failed())
        w.MsgBox(w.GetText("INTRA_COPY_FAILED") + errors.report());
    else
        w.MsgBox(w.GetText("INTRA_COPY_SUCCESS"));
}

}  // namespace varmio
