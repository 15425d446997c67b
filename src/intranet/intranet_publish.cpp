#include "intranet_publish.h"

#include <optional>

#include "delivery/delivery_messages.h"
#include "index_pages.h"
#include "intranet_page.h"
#include "intranet_store.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/steps.h"
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
    if (!node || (!replacing && !isFolderNode(*node))) {
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
    errors.run([&] { GenerateHTML(w, true); });
    errors.run([&] { w.random().Randomize(); });

    std::string target, folderName;
    if (!replacing) {
        errors.ignoreFromNowOn();
        errors.run([&] {
            if (IntraPath.empty()) throw RuntimeError(errnum::kPathNotFound, "Path not found");
            if (!folderExists(IntraPath)) makeFolders(IntraPath);
        });
        errors.run([&] { GenerateMainIndex(w); });
        errors.run([&] {
            folderName = documentFolderName(w.random());
            while (folderExists(joinPath(IntraPath, folderName)))
                folderName = documentFolderName(w.random());
            target = joinPath(IntraPath, folderName);
            makeFolder(target);
        });
    } else {
        // The old files go only now that the new title is confirmed.
        target = documentFolder;
        errors.run([&] {
            if (fileExists(IntraPath))
                deleteMatching(IntraPath.substr(0, IntraPath.rfind('/')), "*");
        });
    }

    for (const ListItem& row : w.lvwFiles.rows) {
        if (row.subItem(2) != " ") continue;
        errors.run([&] { copyFile(row.text + row.subItem(1), joinPath(target, row.subItem(1))); });
    }

    if (replacing) {
        errors.run([&] {
            Overwrite_doc(w, recordFile, title, ownerKey, documentFolder, w.cmb_htmlfile.text);
        });
    } else {
        errors.run([&] { create_doc(w, title, IntraPath, w.cmb_htmlfile.text, folderName); });
        errors.run([&] { GeneratePrjIndex(w, w.tvwIntra.position(*node)); });
    }

    if (errors.failed())
        w.MsgBox(w.GetText("INTRA_COPY_FAILED") + errors.report());
    else
        w.MsgBox(w.GetText("INTRA_COPY_SUCCESS"));
}

}  // namespace varmio
