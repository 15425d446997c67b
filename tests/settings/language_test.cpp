#include "settings/language.h"

#include <gtest/gtest.h>

#include "hive_fixture.h"

namespace varmio {
namespace {

class LanguageTest : public HiveFixture {
  protected:
    Settings settings_{hive_};
};

TEST_F(LanguageTest, TextsOfTheCurrentLanguageWhateverTheLetterCaseOrTheNotFoundText) {
    const std::string missing = "Requested text : cmd_next not found.";
    settings_.WriteSetting("LANGUAGE\\English", "cmd_next", "Next >");
    settings_.WriteSetting("LANGUAGE\\English", "cmd_help", "");  // kept as a single blank
    settings_.WriteSetting("LANGUAGE\\Deutsch", "cmd_next", "Weiter >");
    EXPECT_EQ(GetText(settings_, "cmd_next"), missing) << "no language chosen";
    settings_.WriteSetting("CONFIG", "LANGUAGE", "English");
    EXPECT_EQ(GetText(settings_, "CMD_NEXT"), "Next >");
    EXPECT_EQ(GetText(settings_, "cmd_help"), "Requested text : cmd_help not found.");
    EXPECT_EQ(GetText(settings_, "CMD_Gone"), "Requested text : CMD_Gone not found.");
    settings_.WriteSetting("CONFIG", "Language", "Deutsch");  // a switch counts at once
    EXPECT_EQ(GetText(settings_, "Cmd_Next"), "Weiter >");
    settings_.WriteSetting("CONFIG", "Language", "");  // a cancelled language prompt
    EXPECT_EQ(GetText(settings_, "cmd_next"), missing);
}

}  // namespace
}  // namespace varmio
