#include "intranet_publish.h"

#include <atomic>
#include <filesystem>
#include <mutex>
#include <optional>

#include "delivery/delivery_messages.h"
#include "delivery/folder_copy.h"
#include "index_pages.h"
#include "intranet/confined_path.h"
#include "intranet/intranet_disk.h"
#include "intranet/intranet_records.h"
#include "intranet_page.h"
#include "intranet_store.h"
#include "platform/background_task.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/random.h"
#include "platform/steps.h"
#include "wizard/delivery/transfer_watch.h"
#include "wizard/file_rows.h"
#include "wizard/page/generate_html.h"
#include "wizard/window_host.h"
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

// Copies the listed files (mark " ") into `target` in the background while the working indicator
// shows how far the copy has come and offers Cancel, which stops within one piece of a file
// and deletes that unfinished copy. Failures go to `errors`; returns the cancelled message, or
// "" when the copy ran to its end.
std::string copyListedFiles(WizardWindow& w, const std::string& target, ErrorRecorder& errors) {
    std::vector<FileRow> rows;
    for (const FileRow& row : fileRows(w.lvwFiles))
        if (row.mark == " ") rows.push_back(row);
    const std::string root = intranetRoot(w);
    std::atomic<bool> stop{false};
    std::mutex mutex;  // guards `seen` between the copy and the window
    CopyProgress seen{0, rows.size(), {}, 0, 0};
    for (const FileRow& row : rows) {
        std::error_code unknown;
        const std::uintmax_t size = std::filesystem::file_size(row.path(), unknown);
        seen.total += unknown ? 0 : size;
    }
    TransferWatch watch(w, [&stop] { stop = true; });
    runPolling(
        [&] {
            for (const FileRow& row : rows) {
                std::uintmax_t before = 0;
                {
                    std::lock_guard lock(mutex);
                    ++seen.file;
                    seen.name = row.name;
                    before = seen.bytes;
                }
                if (stop) return;
                errors.run([&] {
                    publishFile(root, target, row, [&](std::uintmax_t copied) {
                        std::lock_guard lock(mutex);
                        seen.bytes = before + copied;
                        return !stop.load();
                    });
                });
            }
        },
        [&] {
            {
                std::lock_guard lock(mutex);
                watch.show(seen.file, seen.files, seen.name, seen.bytes, seen.total);
            }
            w.host().doEvents();
        });
    if (!stop) return "";
    return watch.failureText("INTRA_COPY_FAILED",
                             RuntimeError(errnum::kUserInterrupt, "Cancelled"));
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

    const std::string cancelled = copyListedFiles(w, target, errors);
    if (!cancelled.empty()) {
        // Nothing half is listed: a new document's folder goes, as no record names it yet; a
        // replaced document keeps its record and the files copied whole before the cancel.
        if (!replacing) tryStep([&] { removeUnrecordedFolder(intranetRoot(w), target); });
        turn.reset();
        w.MsgBox(cancelled);
        return;
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
