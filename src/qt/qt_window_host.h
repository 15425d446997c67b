#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "wizard/window_host.h"

class QWidget;

namespace varmio {

class ActionRunner;

// A desktop window that shows one form of the model.
class BoundWindow {
  public:
    virtual ~BoundWindow() = default;
    virtual Form& form() const = 0;
    virtual QWidget& widget() = 0;
    // Model -> widgets.
    virtual void syncFromModel() = 0;
    // The program ends: the window goes away without asking anything.
    virtual void closeForEnd();
};

// Shows the model's windows on the desktop: keeps every open window in line with its form,
// runs modal windows, lets events through while long work runs, and ends the program.
class QtWindowHost : public WindowHost {
  public:
    QtWindowHost();
    ~QtWindowHost() override;
    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;

    void runModal(Form& dialog) override;
    void doEvents() override;
    void repaint(Form& form) override;
    int screenWidth() const override;
    int screenHeight() const override;

    // Windows register while they exist; the first one added is the main window, whose mouse
    // pointer the application shows.
    void add(BoundWindow& window);
    void remove(BoundWindow& window);
    BoundWindow* mainWindow() const { return windows_.empty() ? nullptr : windows_.front(); }
    const std::vector<BoundWindow*>& windows() const { return windows_; }

    // Model -> every open window, and the mouse pointer.
    void syncAll();
    // Long work lets events through after every small step (a node read, a file sent). The
    // windows show the model again only once a frame has passed since they last did; the mouse
    // pointer and the events in between (painting among them) are seen to every time.
    static constexpr std::chrono::milliseconds kWorkFrame{20};

    // Ends the program: every window closes, then the end handler runs (by default the
    // application leaves its event loops with exit status 0). Handlers still on the stack
    // unwind through ProgramEnd from runModal and doEvents.
    void endProgram();
    bool ended() const { return ended_; }
    void setEndHandler(std::function<void()> handler) { onEnd_ = std::move(handler); }

    // A runner for one window's user actions that reports back here.
    ActionRunner makeRunner();

  private:
    void showPointer(int pointer);

    std::vector<BoundWindow*> windows_;
    std::function<void()> onEnd_;
    bool ended_ = false;
    bool hourglass_ = false;
    std::chrono::steady_clock::time_point lastSync_;
};

}  // namespace varmio
