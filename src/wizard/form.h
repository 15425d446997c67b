#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls.h"

namespace varmio {

// Mouse pointers of a window.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglassPointer = 11;

// A window: its own caption, geometry and visibility, and its controls reachable by name.
class Form {
  public:
    explicit Form(std::string name) : name_(std::move(name)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    std::string caption;
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // The mouse pointer shown over the window: kDefaultPointer or kHourglassPointer.
    int mousePointer = kDefaultPointer;

    // A control by its id ("cmd_next", "cmd_browse(1)"); nullptr when there is none.
    Control* find(std::string_view id) const;
    const std::vector<Control*>& controls() const { return controls_; }

    // Called by every control's constructor.
    void add(Control& control) { controls_.push_back(&control); }

    // Centres the window on a screen of the given size.
    void centre(int screenWidth, int screenHeight);

  private:
    std::string name_;
    std::vector<Control*> controls_;
};

}  // namespace varmio
