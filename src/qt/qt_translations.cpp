#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <array>
#include <string_view>
#include <utility>

#include "platform/basic_text.h"

namespace varmio {

namespace {

// Language tables are named in their own language; Qt's translations by locale.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kLocales{{
    {"English", "en"},
    {"Deutsch", "de"},
    {"Français", "fr"},
    {"Español", "es"},
    {"Italiano", "it"},
    {"Nederlands", "nl"},
    {"Polski", "pl"},
}};

}  // namespace

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

void QtTranslations::follow(const std::string& language) {
    if (language == language_) return;
    language_ = language;
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
    for (const auto& [name, locale] : kLocales) {
        if (!equalsNoCase(name, language) || locale == "en") continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(QString::fromLatin1(locale.data(), locale.size())),
                             QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            translator_ = std::move(translator);
        }
    }
}

}  // namespace varmio
