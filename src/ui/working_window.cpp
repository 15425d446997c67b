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

void WorkingWindow::show(WindowHost& host) {
    load(host);
    visible = true;
    host.repaint(*this);
}

void WorkingWindow::showWith(WindowHost& host, const std::string& text) {
    Label1.caption = text;
    show(host);
}

}  // namespace varmio
