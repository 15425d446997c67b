#pragma once

#include "wizard/form.h"

namespace varmio {

class Settings;
class WindowHost;

// The modal dialog that asks for a link's name and address and remembers earlier entries.
// It is loaded for each use and unloaded once its result is read.
class LinkDialog : public Form {
  public:
    explicit LinkDialog(Settings& settings);

    ComboBox txt_LNK_NAME{*this, "txt_LNK_NAME"};
    ComboBox txt_LNK_URL{*this, "txt_LNK_URL"};
    ControlArray<Label> lab{*this, "lab", nullptr, {0, 1}};
    Button cmd_ok{*this, "cmd_ok"};
    Button cmd_cancel{*this, "cmd_cancel"};
    // Holds "OK" or "CANCEL" once a button closed the dialog.
    TextBox txt_CANCEL{*this, "txt_CANCEL"};

    // Centring, captions and the remembered names and addresses.
    void Form_Load(WindowHost& host);
    void cmd_ok_Click();
    void cmd_cancel_Click();

  private:
    Settings& settings_;
};

}  // namespace varmio
