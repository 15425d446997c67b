#include "working_window.h"

#include "wizard/window_host.h"

namespace varmio {

WorkingWindow::WorkingWindow() : Form("frm_Working") {
    width = 320;
    height = 90;
}

void WorkingWindow::load(WindowHost& host) {
    if (loaded) return;
    loaded = true;
    centre(host.screenWidth(), host.screenHeight());
}

void WorkingWindow::showWith(WindowHost& host, const std::string& text) {
    load(host);
    visible = true;
    Label1.caption = text;
    host.repaint(*this);
}

}  // namespace varmio
