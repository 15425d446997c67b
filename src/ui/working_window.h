#pragma once

#include "wizard/form.h"

namespace varmio {

class WindowHost;

// How far a transfer has come, and the button that stops it: shown inside the working indicator
// while one runs. A form of its own, so that the indicator's form keeps exactly its one label.
class ProgressPanel : public Form {
  public:
    ProgressPanel() : Form("frm_Progress") {}

    Label lab_progress{*this, "lab_progress"};
    Button cmd_cancel{*this, "cmd_cancel"};
};

// The small window that tells the user the wizard is busy. Loaded once, hidden between uses.
class WorkingWindow : public Form {
  public:
    WorkingWindow();

    Label Label1{*this, "Label1"};
    // Shown below the label while a transfer runs.
    ProgressPanel progress;
    // Background colour as 0xRRGGBB; changed while a transfer is waited for.
    int backColor = 0xF0F0F0;
    bool loaded = false;

    // Loads the window on first use, centred on the screen.
    void load(WindowHost& host);
    // Shows the window with the text it has, repainted before the caller's work starts.
    void show(WindowHost& host);
    // Shows the window with `text`.
    void showWith(WindowHost& host, const std::string& text);
    void hide() { visible = false; }
};

}  // namespace varmio
