// Every text the window looks up must exist in every shipped language, so that a normal run
// never shows "Requested text : ... not found.".
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "platform/basic_text.h"
#include "settings/reg_file.h"
#include "support/wizard/harness.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

const std::string kSourceDir = VARMIO_SOURCE_DIR;

// Text tables of data/install.reg: language -> lowered key -> text.
std::map<std::string, std::map<std::string, std::string>> shippedTables() {
    auto file = parseRegFile(readFile(kSourceDir + "/data/install.reg"));
    EXPECT_TRUE(file && file->problems.empty());
    std::map<std::string, std::map<std::string, std::string>> tables;
    const std::string prefix = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\LANGUAGE\\";
    for (const RegEdit& edit : file->edits) {
        if (edit.kind != RegEdit::Kind::SetValue || !startsWith(edit.keyPath, prefix)) continue;
        std::string text = edit.data.substr(0, edit.data.size() - 1);
        tables[edit.keyPath.substr(prefix.size())][lcase(edit.name)] = text;
    }
    return tables;
}

// Keys written literally as GetText("KEY") anywhere in the window logic, and the page headings.
std::set<std::string> keysInSources() {
    std::set<std::string> keys;
    for (const char* page :
         {"frm_files", "frm_html_1", "frm_html_2", "frm_html_3", "frm_html_4", "frm_html_5",
          "frm_html_6", "frm_export_1", "frm_ftp", "frm_mail", "frm_unc", "frm_intra"})
        keys.insert(std::string("PAGE_") + page);
    std::regex call(R"re(GetText\("([^"]+)"\))re");
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir + "/src")) {
        if (entry.path().extension() != ".cpp") continue;
        std::string code = readFile(entry.path().string());
        for (std::sregex_iterator it(code.begin(), code.end(), call), end; it != end; ++it)
            keys.insert((*it)[1]);
    }
    return keys;
}

TEST(ShippedTexts, EveryLanguageHoldsEveryKeyTheCodeLooksUp) {
    auto tables = shippedTables();
    ASSERT_EQ(tables.size(), 2u);
    std::set<std::string> keys = keysInSources();
    ASSERT_GT(keys.size(), 80u);
    for (const auto& [language, texts] : tables) {
        for (const std::string& key : keys) {
            auto it = texts.find(lcase(key));
            ASSERT_NE(it, texts.end()) << language << " lacks " << key;
            EXPECT_NE(trim(it->second), "") << language << ": " << key << " is empty";
        }
    }
    EXPECT_EQ(tables.begin()->second.size(), tables.rbegin()->second.size())
        << "both languages carry the same keys";
}

TEST(ShippedTexts, StylesOfferANormalEntryAndRealTags) {
    for (const auto& [language, texts] : shippedTables()) {
        auto styles = splitList(texts.at("html_styles"));
        ASSERT_GE(styles.size(), 4u) << language;
        int normal = 0;
        for (const std::string& style : styles) {
            EXPECT_NE(style.find('<'), std::string::npos) << style;
            normal += containsNoCase(style, "<normal>");
        }
        EXPECT_EQ(normal, 1) << language;
    }
}

// Captions set from texts, on every window, after the wizard went through its pages.
void expectNoMissingText(const Form& form, const std::string& when) {
    for (const Control* c : form.controls())
        EXPECT_EQ(c->caption.find("Requested text"), std::string::npos)
            << when << ": " << c->id() << " shows " << c->caption;
    EXPECT_EQ(form.caption.find("Requested text"), std::string::npos) << when;
}

TEST(ShippedTexts, AWalkThroughEveryPageShowsNoMissingText) {
    for (const char* language : {"English", "Deutsch"}) {
        WizardHarness h;
        h.setConfig("Language", language);
        writeFile(h.work() + "/a.pdf", "%PDF");
        ASSERT_TRUE(h.start(h.work() + "/a.pdf"));
        WizardWindow& w = h.window();
        w.chk_cmpHTML.setValue(1);
        w.chk_mkHTMLtgs.setValue(1);
        for (int page = 0; page < 8 && !w.frm_export_1.visible; ++page)
            cmd_next_Click(w);
        ASSERT_TRUE(w.frm_export_1.visible);
        for (Button* channel : {&w.cmd_ftp, &w.cmd_mail, &w.cmd_unc, &w.cmd_intra}) {
            channel->userClick();
            ASSERT_FALSE(w.frm_export_1.visible) << channel->id();
            cmd_prev_Click(w);
        }
        h.host.onModal = [&](Form& dialog) {
            expectNoMissingText(dialog, std::string(language) + " link dialog");
            dialog.visible = false;
        };
        w.cmd_add_link(0).userClick();
        std::string when = std::string(language) + " walk";
        expectNoMissingText(w, when);
        for (const std::string& message : h.dialogs.shown)
            EXPECT_EQ(message.find("Requested text"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace varmio::test
