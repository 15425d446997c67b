#include "settings/language.h"

#include <gtest/gtest.h>

#include "hive_fixture.h"

namespace varmio {
namespace {

class LanguageTest : public HiveFixture {
  protected:
    Settings settings_{hive_};
};

TEST_F(LanguageTest, MissingTextsGiveTheNotFoundTextWithTheKeyAsPassed) {
    EXPECT_EQ(GetText(settings_, "cmd_next"), "Requested text : cmd_next not found.");
    settings_.WriteSetting("CONFIG", "Language", "English");
    EXPECT_EQ(GetText(settings_, "CMD_Next"), "Requested text : CMD_Next not found.");
    settings_.WriteSetting("LANGUAGE\\English", "cmd_help", "");  // kept as a single blank
    EXPECT_EQ(GetText(settings_, "cmd_help"), "Requested text : cmd_help not found.");
    EXPECT_EQ(notFoundText(""), "Requested text :  not found.");
}

TEST_F(LanguageTest, TextsAreFoundInTheCurrentLanguageWhateverTheLetterCase) {
    settings_.WriteSetting("LANGUAGE\\English", "cmd_next", "Next >");
    settings_.WriteSetting("LANGUAGE\\Deutsch", "cmd_next", "Weiter >");
    settings_.WriteSetting("CONFIG", "LANGUAGE", "English");
    EXPECT_EQ(GetText(settings_, "cmd_next"), "Next >");
    EXPECT_EQ(settings_.GetText("CMD_NEXT"), "Next >");

    // A switch takes effect at the next lookup.
    settings_.WriteSetting("CONFIG", "Language", "Deutsch");
    EXPECT_EQ(GetText(settings_, "Cmd_Next"), "Weiter >");

    // A cancelled language prompt stores the empty language.
    settings_.WriteSetting("CONFIG", "Language", "");
    EXPECT_EQ(GetText(settings_, "cmd_next"), "Requested text : cmd_next not found.");
}

}  // namespace
}  // namespace varmio
