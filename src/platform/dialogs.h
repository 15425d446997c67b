#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varmio {

// The platform's standard dialogs. Every call blocks until the user answered.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message box with an OK button only.
    virtual void message(std::string_view text, std::string_view title) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool question(std::string_view text, std::string_view title) = 0;
    // A single-line input box; nullopt when cancelled.
    virtual std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) = 0;

    struct FileRequest {
        std::string filter;   // "Name|*.a;*.b|Other|*.c", as the window code writes it
        int filterIndex = 1;  // from 1
    };
    // A file-open dialog; nullopt when cancelled.
    virtual std::optional<std::string> openFile(const FileRequest& request) = 0;

    virtual void beep() = 0;
};

}  // namespace varmio
