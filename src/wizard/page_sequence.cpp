#include "page_sequence.h"

#include "language_switch.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/steps.h"
#include "wizard/delivery/channels.h"
#include "wizard/intranet/intranet_publish.h"
#include "wizard/intranet/intranet_store.h"
#include "wizard/page/generate_html.h"
#include "wizard/page/page_texts.h"
#include "wizard_window.h"

namespace varmio {

namespace {

void show(Frame& page) {
    page.visible = true;
}
void hide(Frame& page) {
    page.visible = false;
}

// Back on the delivery page after a channel ran.
void returnToDeliveryPage(WizardWindow& w, Frame& channelPage) {
    hide(channelPage);
    show(w.frm_export_1);
    tryStep([&] { w.cmd_next.caption = w.GetText("CMD_NEXT"); });
    tryStep([&] { w.cmd_close.caption = w.GetText("CMD_FINALE"); });
}

enum class Outcome { Done, Stop };

// One press of Next: the first matching rule runs.
Outcome applyNextRule(WizardWindow& w) {
    const bool makePage = w.chk_cmpHTML.value() == 1;
    const bool customise = w.chk_mkHTMLtgs.value() == 1;

    if (w.frm_files.visible) {
        tryStep([&] { w.chk_cmpHTML.caption = w.GetText("chk_cmpHTML"); });
        tryStep([&] { w.chk_mkHTMLtgs.caption = w.GetText("chk_mkHTMLtgs"); });
        tryStep([&] { w.lab_html_1.caption = w.GetText("lab_html_1_text"); });
        tryStep([&] { w.lab_file_info.caption = fileCountLine(w); });
        hide(w.frm_files);
        show(w.frm_html_1);
        w.cmd_prev.enabled = true;
    } else if (w.frm_html_1.visible && makePage && !customise) {
        w.random().Randomize();
        show(w.frm_html_6);
        hide(w.frm_html_1);
        proposePageName(w);
        tryStep([&] { w.cmd_preview.caption = w.GetText("CMD_PREVIEW"); });
    } else if (w.frm_html_1.visible && makePage && customise) {
        w.random().Randomize();
        for (int i = 0; i <= 2; ++i)
            tryStep([&] { w.cmd_browse[i].caption = w.GetText("BROWSE"); });
        show(w.frm_html_2);
        hide(w.frm_html_1);
        proposePageName(w);
    } else if (w.frm_html_2.visible) {
        tryStep([&] { fillTitleAndKeywordLists(w); });
        show(w.frm_html_3);
        hide(w.frm_html_2);
    } else if (w.frm_html_3.visible) {
        hide(w.frm_html_3);
        show(w.frm_html_4);
    } else if (w.frm_html_4.visible) {
        hide(w.frm_html_4);
        show(w.frm_html_5);
        tryStep([&] { w.opt_index[0].caption = w.GetText("OPT_IMAGE_INDX"); });
        tryStep([&] { w.opt_index[1].caption = w.GetText("OPT_TEXT_LST"); });
    } else if (w.frm_html_5.visible) {
        hide(w.frm_html_5);
        show(w.frm_html_6);
        tryStep([&] { w.cmd_preview.caption = w.GetText("CMD_PREVIEW"); });
    } else if (w.frm_html_6.visible) {
        tryStep([&] { GenerateHTML(w, false); });
        show(w.frm_export_1);
        hide(w.frm_html_6);
        w.cmd_next.enabled = false;
    } else if (w.frm_html_1.visible && w.chk_cmpHTML.value() == 0) {
        show(w.frm_export_1);
        hide(w.frm_html_1);
        w.cmd_next.enabled = false;
    } else if (w.frm_ftp.visible && !w.frm_ftp_2.visible) {
        if (!ftpLoginComplete(w)) {
            w.MsgBox(w.GetText("NOT_VALID_FTP_CFG"));
            w.mousePointer = kDefaultPointer;
            return Outcome::Stop;
        }
        if (!ftpFolderListing(w, w.txt_FTP_Path.text)) return Outcome::Stop;
        tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
        show(w.frm_ftp_2);
    } else if (w.frm_mail.visible) {
        if (!validMailRecipient(w.txt_MAIL_RECIP.text)) {
            w.MsgBox(w.GetText("NOTVALIDEMAIL"));
        } else {
            w.cmd_next.enabled = false;
            if (mailLogon(w)) {
                tryStep([&] { mailSend(w); });
                tryStep([&] { mailLogoff(w); });
            }
            returnToDeliveryPage(w, w.frm_mail);
        }
    } else if (w.frm_ftp.visible && w.frm_ftp_2.visible) {
        w.cmd_next.enabled = true;
        tryStep([&] { ftpSend(w); });
        hide(w.frm_ftp_2);
        returnToDeliveryPage(w, w.frm_ftp);
        w.cmd_next.enabled = false;
    } else if (w.frm_unc.visible) {
        if (!w.txt_UNC_NAME.text.empty()) {
            w.cmd_next.enabled = false;
            tryStep([&] { folderCopy(w); });
            returnToDeliveryPage(w, w.frm_unc);
        }
    } else if (w.frm_intra.visible) {
        w.cmd_next.enabled = false;
        w.txt_intra_path.text = withFinalSeparator(w.txt_intra_path.text);
        tryStep([&] {
            TreeNode* selected = w.tvwIntra.selected();
            IntraCopy(w, selected ? selected->tag : std::string());
        });
        returnToDeliveryPage(w, w.frm_intra);
        w.cmd_next.enabled = false;
    }
    return Outcome::Done;
}

}  // namespace

void cmd_next_Click(WizardWindow& w) {
    w.mousePointer = kHourglassPointer;
    if (applyNextRule(w) == Outcome::Stop) return;
    if (w.frm_export_1.visible) {
        captionExportPage(w);
        w.cmd_next.enabled = false;
    }
    w.mousePointer = kDefaultPointer;
}

void cmd_prev_Click(WizardWindow& w) {
    w.mousePointer = kHourglassPointer;
    const bool makePage = w.chk_cmpHTML.value() == 1;
    tryStep([&] {
        if (w.frm_intra.visible) {
            hide(w.frm_intra);
            show(w.frm_export_1);
            w.cmd_next.enabled = false;
            w.cmd_prev.enabled = true;
            w.cmd_next.caption = w.GetText("CMD_NEXT");
        } else if (w.frm_export_1.visible && w.chk_cmpHTML.value() == 0) {
            hide(w.frm_export_1);
            show(w.frm_html_1);
            w.cmd_next.enabled = true;
        } else if (w.frm_export_1.visible && makePage) {
            hide(w.frm_export_1);
            show(w.frm_html_6);
            w.cmd_next.enabled = true;
        } else if (w.frm_html_1.visible) {
            show(w.frm_files);
            hide(w.frm_html_1);
            w.cmd_prev.enabled = false;
        } else if (w.frm_html_2.visible) {
            show(w.frm_html_1);
            hide(w.frm_html_2);
        } else if (w.frm_html_3.visible) {
            show(w.frm_html_2);
            hide(w.frm_html_3);
        } else if (w.frm_html_4.visible) {
            hide(w.frm_html_4);
            show(w.frm_html_3);
        } else if (w.frm_html_5.visible) {
            hide(w.frm_html_5);
            show(w.frm_html_4);
        } else if (w.frm_html_6.visible) {
            hide(w.frm_html_6);
            show(w.chk_mkHTMLtgs.value() == 1 ? w.frm_html_5 : w.frm_html_1);
        } else if (w.frm_ftp.visible) {
            show(w.frm_export_1);
            w.cmd_next.caption = w.GetText("CMD_NEXT");
            w.cmd_next.enabled = false;
            hide(w.frm_ftp);
            hide(w.frm_ftp_2);
        } else if (w.frm_mail.visible) {
            show(w.frm_export_1);
            w.cmd_next.caption = w.GetText("CMD_NEXT");
            w.cmd_next.enabled = false;
            hide(w.frm_mail);
        } else if (w.frm_unc.visible) {
            w.cmd_next.enabled = false;
            hide(w.frm_unc);
            show(w.frm_export_1);
            w.cmd_next.caption = w.GetText("CMD_NEXT");
        }
    });
    w.mousePointer = kDefaultPointer;
}

void cmd_help_Click(WizardWindow& w) {
    tryStep([&] { w.shell().open(w.programFolder() + "/help.htm", "", w.txt_intra_path.text, 0); });
}

void cmd_preview_Click(WizardWindow& w) {
    tryStep([&] { GenerateHTML(w, false); });
    tryStep([&] { w.shell().open(w.pageFilePath(), "", "", 0); });
}

void Command1_Click(WizardWindow& w) {
    tryStep([&] { InitIntraTree(w); });
}

void img_wizard_logo_DblClick(WizardWindow& w, int index) {
    tryStep([&] {
        w.img_wizard_logo[index].visible = false;
        int next = static_cast<int>(roundHalfEven(8 * w.random().Rnd()));
        Picture& logo = w.img_wizard_logo[next];
        logo.visible = true;
        logo.left = w.img_wizard_logo[0].left;
        logo.top = w.img_wizard_logo[0].top;
    });
}

std::string fileCountLine(const WizardWindow& w) {
    long long total = 0;
    for (const ListItem& row : w.lvwFiles.rows) {
        std::string full = row.text + row.subItem(1);
        if (fileExists(full)) total += fileLength(full);
    }
    return w.GetText("LAB_FILE_1") + std::to_string(w.lvwFiles.count()) + w.GetText("LAB_FILE_2") +
           std::to_string(total) + w.GetText("BYTES") + ".";
}

std::string randomPageName(WizardWindow& w) {
    std::string name;
    for (int i = 0; i < 8; ++i)
        name += static_cast<char>(roundHalfEven(25 * w.random().Rnd() + 65));
    return lcase(name) + ".htm";
}

void proposePageName(WizardWindow& w) {
    tryStep([&] {
        if (w.cmb_htmlfile.text.empty()) w.cmb_htmlfile.text = randomPageName(w);
    });
}

}  // namespace varmio
