#pragma once

namespace varmio {

class Form;

// What the window logic needs from whoever shows it: the desktop window or the headless driver.
class WindowHost {
  public:
    virtual ~WindowHost() = default;

    // Shows `dialog` modally; returns once the window code hid it.
    virtual void runModal(Form& dialog) = 0;
    // Lets the window repaint and handle pending events while long work runs.
    virtual void doEvents() = 0;
    // Repaints one window at once, so a text set just now is seen before the work starts.
    virtual void repaint(Form& form) = 0;

    virtual int screenWidth() const { return 1280; }
    virtual int screenHeight() const { return 800; }
};

}  // namespace varmio
