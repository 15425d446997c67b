#pragma once

#include "form_dialog.h"

namespace varmio {

class LinkDialog;

// The link dialog on the desktop.
class LinkDialogWindow : public FormDialog {
    Q_OBJECT

  public:
    LinkDialogWindow(LinkDialog& model, QtWindowHost& host, QWidget* parent);
};

}  // namespace varmio
