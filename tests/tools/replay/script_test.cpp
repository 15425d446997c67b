#include <gtest/gtest.h>

#include "script.h"

namespace varmio::replay {
namespace {

std::vector<std::string> texts(std::string_view line) {
    std::vector<std::string> out;
    for (const Word& w : splitWords(line))
        out.push_back(w.text);
    return out;
}

int errorLine(std::string_view script) {
    try {
        parseScript(script);
    } catch (const ScriptError& e) {
        return e.line();
    }
    return 0;
}

TEST(ScriptWords, SplitsAtBlanksAndKeepsQuotedWordsWhole) {
    using V = std::vector<std::string>;
    EXPECT_EQ(texts("  click\tcmd_browse(1)  "), (V{"click", "cmd_browse(1)"}));
    EXPECT_EQ(texts(R"(type txt "two words" "")"), (V{"type", "txt", "two words", ""}));
    EXPECT_EQ(texts(R"("a\"b\\c\nd\re\tf")"), (V{"a\"b\\c\nd\re\tf"}));
    // Outside quotes a backslash is an ordinary character: registry keys and paths stay as typed.
    EXPECT_EQ(texts(R"(C:\tmp\x)"), (V{R"(C:\tmp\x)"}));
}

TEST(ScriptWords, RejectsMalformedQuotes) {
    for (const char* bad : {R"(type x "open)", R"(type x "ends with\)", R"(type x "bad \q")",
                            R"(type x ab"c")", R"(type x "a"b)"})
        EXPECT_THROW(splitWords(bad), SyntaxError) << bad;
}

// That quoted words read back unchanged is the replay_script fuzz target's property.
TEST(ScriptWords, QuotesOnlyWhereNeeded) {
    EXPECT_EQ(quoteIfNeeded("Next"), "Next");
    EXPECT_EQ(quoteIfNeeded(" "), "\" \"");
    EXPECT_EQ(bracketList({"a", "b c"}), R"(["a", "b c"])");
}

TEST(Script, SkipsCommentsAndBlankLinesButCountsThem) {
    auto commands = parseScript(
        "# heading\r\n\r\n  # indented comment\nclick cmd_next\r\n\n"
        "#! directive\nexpect ended");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].line, 4);
    EXPECT_EQ(commands[0].target, "cmd_next");
    EXPECT_EQ(commands[1].line, 7);
    EXPECT_EQ(commands[1].action, Action::ExpectEnded);
}

TEST(Script, ChecksArgumentsBeforeAnythingRuns) {
    // (Unknown actions and open quotes: tests/e2e/replay/script_errors.replay. Answers of each
    // kind and "expect" split at the last dot: every replay script.)
    EXPECT_EQ(errorLine("answer maybe"), 1);
    EXPECT_EQ(errorLine("click"), 1);
    EXPECT_EQ(errorLine("click a b"), 1);
    EXPECT_EQ(errorLine("select lvwFiles first"), 1);
    EXPECT_EQ(errorLine("key txt 13x"), 1);
    EXPECT_EQ(errorLine("expect cmd_next \"Next\""), 1);
    EXPECT_EQ(errorLine("expect .caption x"), 1);
    EXPECT_EQ(errorLine("expect message"), 1);
    EXPECT_EQ(errorLine("expect ended now"), 1);
    EXPECT_EQ(errorLine("dump\n"), 1);

    auto logo = parseScript("dblclick img_wizard_logo(3)\ndblclick lvwFiles 2");
    EXPECT_FALSE(logo[0].hasNumber);
    EXPECT_TRUE(logo[1].hasNumber);
    EXPECT_EQ(logo[1].number, 2);
}

}  // namespace
}  // namespace varmio::replay
