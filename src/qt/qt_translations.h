#pragma once

#include <QTranslator>
#include <memory>
#include <string>

namespace varmio {

// Qt's own texts (the Yes and No of a question, the buttons of the file dialog) in the language
// the wizard speaks; Debian ships them in qt6-translations-l10n.
class QtTranslations {
  public:
    ~QtTranslations();
    // `language` is the name of a language table ("English", "Deutsch").
    void follow(const std::string& language);

  private:
    std::string language_ = "\n";
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace varmio
