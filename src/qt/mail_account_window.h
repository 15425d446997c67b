#pragma once

#include "form_dialog.h"

namespace varmio {

class MailAccountDialog;

// The mail account dialog on the desktop.
class MailAccountWindow : public FormDialog {
    Q_OBJECT

  public:
    MailAccountWindow(MailAccountDialog& model, QtWindowHost& host, QWidget* parent);
};

}  // namespace varmio
