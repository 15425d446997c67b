#include "link_dialog.h"

#include "platform/basic_text.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "wizard/history.h"
#include "wizard/window_host.h"

namespace varmio {

LinkDialog::LinkDialog(Settings& settings) : Form("frm_Input_Link"), settings_(settings) {
    width = 460;
    height = 190;
    txt_CANCEL.visible = false;
    cmd_ok.onClick = [this] { cmd_ok_Click(); };
    cmd_cancel.onClick = [this] { cmd_cancel_Click(); };
}

void LinkDialog::Form_Load(WindowHost& host) {
    tryStep([&] { centre(host.screenWidth(), host.screenHeight()); });
    tryStep([&] { caption = settings_.GetText("FRM_INPUT_LINK"); });
    tryStep([&] { lab[0].caption = settings_.GetText("LAB_LNK_NAME"); });
    tryStep([&] { lab[1].caption = settings_.GetText("LAB_LNK_URL"); });
    tryStep([&] { cmd_ok.caption = settings_.GetText("CMD_OK"); });
    tryStep([&] { cmd_cancel.caption = settings_.GetText("CMD_CANCEL"); });
    tryStep([&] {
        txt_LNK_NAME.clear();
        std::string names = settings_.ReadSetting("CONFIG", "txt_LNK_NAME");
        if (!endsWith(names, "|")) names += "|";
        txt_LNK_NAME.fillFromList(names);
    });
    tryStep([&] {
        txt_LNK_URL.clear();
        for (const char* scheme : {"http://", "file://", "ftp://"})
            txt_LNK_URL.addItem(scheme);
        txt_LNK_URL.fillFromList(settings_.ReadSetting("CONFIG", "txt_LNK_URL"));
    });
}

void LinkDialog::cmd_ok_Click() {
    txt_CANCEL.text = "OK";
    visible = false;
    tryStep([&] {
        appendNonEmptyToHistory(settings_, "txt_LNK_NAME", txt_LNK_NAME.text, Compare::Exact);
    });
    tryStep([&] {
        appendNonEmptyToHistory(settings_, "txt_LNK_URL", txt_LNK_URL.text, Compare::Exact);
    });
}

void LinkDialog::cmd_cancel_Click() {
    txt_CANCEL.text = "CANCEL";
    visible = false;
}

}  // namespace varmio
