#include "settings/settings.h"

#include <gtest/gtest.h>

#include "hive_fixture.h"

namespace varmio {
namespace {

class SettingsTest : public HiveFixture {
  protected:
    std::string stored(std::string_view subkey, std::string_view name) {
        const auto value =
            hive_.value("HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\" + std::string(subkey), name);
        return value ? value->data : "<absent>";
    }
    Settings settings_{hive_};
};

TEST_F(SettingsTest, EmptyIsStoredAsOneBlankAndOneBlankReadsEmpty) {
    settings_.WriteSetting("CONFIG", "empty", "");
    settings_.WriteSetting("CONFIG", "blank", " ");
    settings_.WriteSetting("CONFIG", "two", "  ");
    EXPECT_EQ(stored("CONFIG", "empty"), std::string(" \0", 2));
    EXPECT_EQ(settings_.ReadSetting("CONFIG", "empty"), "");
    EXPECT_EQ(settings_.ReadSetting("CONFIG", "blank"), "");
    EXPECT_EQ(settings_.ReadSetting("CONFIG", "two"), "  ");
    EXPECT_EQ(settings_.ReadConfigRaw("EMPTY"), " ");
    EXPECT_EQ(settings_.ReadSetting("Config", "absent"), "");
    settings_.WriteSetting("LANGUAGE\\English", "cmd_next", "Next");
    EXPECT_EQ(stored("language\\english", "CMD_NEXT"), std::string("Next\0", 5));
}

TEST_F(SettingsTest, NumbersAreWrittenInGeneralFormAndLiteralsStayText) {
    const auto written = [&](const auto& value) {
        settings_.WriteSetting("CONFIG", "v", value);
        return settings_.ReadSetting("CONFIG", "v");
    };
    EXPECT_EQ(written(-1), "-1");
    EXPECT_EQ(written(0), "0");
    EXPECT_EQ(written(1LL << 40), "1099511627776");
    EXPECT_EQ(written(true), "1");
    EXPECT_EQ(written("12|"), "12|");
    EXPECT_EQ(written(std::string("s")), "s");
}

// A store that fails on every call.
class BrokenHive : public Hive {
  public:
    [[noreturn]] static void fail() { throw HiveError("broken.db", "disk I/O error"); }
    std::optional<std::string> findByEnumeration(std::string_view, std::string_view) override {
        fail();
    }
    std::optional<HiveValue> value(std::string_view, std::string_view) override { fail(); }
    std::vector<HiveValue> values(std::string_view) override { fail(); }
    std::optional<std::string> storedKeyPath(std::string_view) override { fail(); }
    std::vector<std::string> subkeys(std::string_view) override { fail(); }
    void createKey(std::string_view) override { fail(); }
    void setValue(std::string_view, std::string_view, ValueType, std::string_view) override {
        fail();
    }
    bool deleteValue(std::string_view, std::string_view) override { fail(); }
    bool deleteKey(std::string_view) override { fail(); }
    void transaction(const std::function<void()>&) override { fail(); }
};

TEST(SettingsFailureTest, AFailingStoreReadsEmptyAndDropsWrites) {
    BrokenHive hive;
    Settings settings(hive);
    EXPECT_NO_THROW(settings.WriteSetting("CONFIG", "a", "x"));
    EXPECT_NO_THROW(settings.WriteSetting("CONFIG", "a", 1));
    EXPECT_EQ(settings.ReadSetting("CONFIG", "a"), "");
    EXPECT_EQ(settings.ReadConfigRaw("a"), "");
    EXPECT_EQ(settings.GetText("cmd_next"), "Requested text : cmd_next not found.");
}

}  // namespace
}  // namespace varmio
