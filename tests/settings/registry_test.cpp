#include "settings/registry.h"

#include <gtest/gtest.h>

#include <array>

#include "hive_fixture.h"

namespace varmio {
namespace {

constexpr const char* kConfig = "SOFTWARE\\VARMIO\\CONFIG";
constexpr const char* kConfigFull = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG";

using RegistryTest = HiveFixture;

TEST_F(RegistryTest, NamesMatchWithoutRegardToCaseAndTheLastByteIsDropped) {
    ASSERT_TRUE(RegWriteValue(hive_, kConfig, "CMB_HTML_META", "a|b|"));
    // Stored the way the registry stores REG_SZ: with its NUL.
    EXPECT_EQ(hive_.value(kConfigFull, "CMB_HTML_META")->data, std::string("a|b|\0", 5));
    EXPECT_EQ(hive_.value(kConfigFull, "CMB_HTML_META")->type, kRegSz);
    hive_.setValue(kConfigFull, "empty", kRegSz, "");
    hive_.setValue(kConfigFull, "number", kRegDword, "1234");
    EXPECT_FALSE(RegWriteValue(hive_, "SOFTWARE\\\\VARMIO", "v", "x"));
    for (const auto& [key, name, read] : std::vector<std::array<std::string, 3>>{
             {kConfig, "cmb_html_meta", "a|b|"},
             {"software\\varmio\\config", "Cmb_Html_Meta", "a|b|"},
             {kConfig, "cmb_html_met", ""},
             {kConfig, "cmb_html_meta2", ""},
             {kConfig, "empty", ""},
             {kConfig, "number", "123"},
             {"SOFTWARE\\\\VARMIO", "v", ""}})
        EXPECT_EQ(RegReadValue(hive_, key, name), read) << key << " " << name;
}

TEST_F(RegistryTest, DataOfTheBufferSizeAndMoreStopsTheScanAtItsPlace) {
    RegWriteValue(hive_, kConfig, "before", "b");
    RegWriteValue(hive_, kConfig, "fits", std::string(2499, 'x'));
    RegWriteValue(hive_, kConfig, "mid", "m");
    RegWriteValue(hive_, kConfig, "too_long", std::string(2500, 'y'));
    RegWriteValue(hive_, kConfig, "after", "a");

    EXPECT_EQ(RegReadValue(hive_, kConfig, "fits"), std::string(2499, 'x'));
    EXPECT_EQ(RegReadValue(hive_, kConfig, "before"), "b");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "mid"), "m");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "too_long"), "");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "after"), "");

    // Shortening the long value lets the scan through again.
    RegWriteValue(hive_, kConfig, "TOO_LONG", "short");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "after"), "a");
}

TEST_F(RegistryTest, NamesOfTheBufferSizeAndTheDefaultValueStopTheScan) {
    RegWriteValue(hive_, kConfig, "first", "1");
    RegWriteValue(hive_, kConfig, std::string(2499, 'n'), "fits");
    RegWriteValue(hive_, kConfig, "second", "2");
    EXPECT_EQ(RegReadValue(hive_, kConfig, std::string(2499, 'N')), "fits");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "second"), "2");

    RegWriteValue(hive_, kConfig, std::string(2500, 'n'), "too long");
    RegWriteValue(hive_, kConfig, "third", "3");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "third"), "");
    EXPECT_EQ(RegReadValue(hive_, kConfig, "second"), "2");

    const std::string other = "SOFTWARE\\VARMIO\\OTHER";
    RegWriteValue(hive_, other, "early", "e");
    RegWriteValue(hive_, other, "", "default");
    RegWriteValue(hive_, other, "late", "l");
    EXPECT_EQ(RegReadValue(hive_, other, "early"), "e");
    EXPECT_EQ(RegReadValue(hive_, other, "late"), "");
    EXPECT_EQ(RegReadValue(hive_, other, ""), "");
}

TEST_F(RegistryTest, ReadingAbsentKeysCreatesNothingAndWritingCreatesThePath) {
    EXPECT_EQ(RegReadValue(hive_, "SOFTWARE\\VARMIO\\LANGUAGE\\English", "cmd_next"), "");
    EXPECT_FALSE(hive_.storedKeyPath("HKEY_LOCAL_MACHINE"));

    EXPECT_TRUE(RegWriteValue(hive_, "SOFTWARE\\VARMIO\\LANGUAGE\\English", "cmd_next", "Next"));
    EXPECT_EQ(hive_.subkeys("HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\LANGUAGE"),
              std::vector<std::string>{"English"});
    EXPECT_EQ(RegReadValue(hive_, "SOFTWARE\\VARMIO\\LANGUAGE\\ENGLISH", "CMD_NEXT"), "Next");
}

}  // namespace
}  // namespace varmio
