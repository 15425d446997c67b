#include "settings/reg_file.h"

#include <gtest/gtest.h>

#include "hive_fixture.h"

namespace varmio {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG";

class RegFileTest : public HiveFixture {
  protected:
    RegFile import(std::string_view content) {
        auto file = parseRegFile(content);
        EXPECT_TRUE(file);
        applyRegFile(hive_, *file);
        return *file;
    }
};

TEST(RegFileKeyPathTest, RootsAreSpelledOut) {
    EXPECT_EQ(fullKeyPath("hklm\\Software\\"), "HKEY_LOCAL_MACHINE\\Software");
    EXPECT_EQ(fullKeyPath("HKCU"), "HKEY_CURRENT_USER");
    EXPECT_FALSE(fullKeyPath("HKXX\\Software"));
    EXPECT_FALSE(fullKeyPath("HKLM\\\\Software"));
    EXPECT_FALSE(fullKeyPath(""));
}

TEST_F(RegFileTest, ReadsWhatRegeditWrites) {
    const auto file = import(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; a comment\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG]\r\n"
        "\"Path\"=\"C:\\\\Program Files\\\\\\\"Varmio\\\"\"\r\n"
        "@=\"default\"\r\n"
        "\"Count\"=dword:0000001e\r\n"
        "\"Expand\"=hex(2):25,00,\\\r\n"
        "  41,00\r\n"
        "\"Binary\"=hex:\r\n"
        "\"Gone\"=\"x\"\r\n"
        "\"gone\"=-\r\n"
        "\"Empty\"=\"\"\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\OLD\\SUB]\r\n"
        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\OLD]\r\n");
    EXPECT_TRUE(file.problems.empty());

    const auto values = hive_.values(kKey);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0].name, "Path");
    EXPECT_EQ(values[0].data, std::string("C:\\Program Files\\\"Varmio\"\0", 26));
    EXPECT_EQ(values[1].name, "");
    EXPECT_EQ(values[2].type, kRegDword);
    EXPECT_EQ(values[2].data, std::string("\x1e\0\0\0", 4));
    EXPECT_EQ(values[3].type, kRegExpandSz);
    EXPECT_EQ(values[3].data, std::string("%\0A\0", 4));
    EXPECT_EQ(values[4].type, kRegBinary);
    EXPECT_EQ(values[4].data, "");
    EXPECT_EQ(values[5].data, std::string("\0", 1));
    EXPECT_FALSE(hive_.storedKeyPath("HKLM\\SOFTWARE\\VARMIO\\OLD"));
}

TEST_F(RegFileTest, MalformedLinesAreSkippedWithTheirLineNumbers) {
    const auto file = import(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG]\n"
        "\"a\"=\"1\"\n"
        "\"unterminated=\"2\"\n"
        "\"b\"=dword:123456789\n"
        "\"c\"=hex:0g\n"
        "junk\n"
        "\"d\"=\"4\" trailing\n"
        "\"e\"=\"5\"\n"
        "[HKXX\\Nowhere]\n"
        "\"f\"=\"6\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG]\n"
        "\"g\"=\"7\"\n");
    std::vector<int> lines;
    for (const auto& problem : file.problems)
        lines.push_back(problem.line);
    EXPECT_EQ(lines, (std::vector<int>{4, 5, 6, 7, 8, 10, 11, 12}));
    std::vector<std::string> names;
    for (const auto& value : hive_.values(kKey))
        names.push_back(value.name);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "e", "g"}));
}

TEST_F(RegFileTest, HeaderIsRequiredAndUtf16FilesAreRead) {
    EXPECT_FALSE(parseRegFile("[HKEY_LOCAL_MACHINE\\X]\r\n"));
    EXPECT_FALSE(parseRegFile(""));

    const std::string text =
        "Windows Registry Editor Version 5.00\r\n[HKCU\\X]\r\n\"\xC3\xA4\"=\"\xE2\x82\xAC\"\r\n";
    std::string utf16 = "\xFF\xFE";
    const std::u16string units =
        u"Windows Registry Editor Version 5.00\r\n[HKCU\\X]\r\n\"ä\"=\"€\"\r\n";
    for (const char16_t unit : units) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    import(utf16);
    const auto value = hive_.value("HKEY_CURRENT_USER\\X", "\xC3\xA4");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->data, std::string("\xE2\x82\xAC\0", 4));
}

TEST_F(RegFileTest, ExportReadsBackToTheSameContents) {
    const std::vector<HiveValue> written = {
        {"Plain", kRegSz, std::string("text\0", 5)},
        {"", kRegSz, std::string("default\0", 8)},
        {"Empty", kRegSz, std::string("\0", 1)},
        {"NoNul", kRegSz, ""},
        {"Blanks", kRegSz, std::string("  \0", 3)},
        {"Quote\"Back\\slash", kRegSz, std::string("a\\\"b\\\0", 6)},
        {"Bytes", kRegSz, std::string("\xFE\xFF\0", 3)},
        {"Lines", kRegSz, std::string("one\r\ntwo\0", 9)},
        {"Inner", kRegSz, std::string("a\0b\0", 4)},
        {"Dword", kRegDword, std::string("\x01\x02\x03\x04", 4)},
        {"Short", kRegDword, "\x01"},
        {"Qword", kRegQword, std::string("\x01\0\0\0\0\0\0\x80", 8)},
        {"Multi", kRegMultiSz, std::string("a\0b\0\0", 5)},
        {"Long", kRegBinary, std::string(300, '\xAB')},
        {"None", kRegNone, ""},
    };
    const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Varmio";
    for (const auto& value : written)
        hive_.setValue(key, value.name, value.type, value.data);
    hive_.createKey(key + "\\Empty Key");
    hive_.setValue(key + "\\Sub\\Deeper", "x", kRegSz, std::string("y\0", 2));
    hive_.setValue("HKEY_LOCAL_MACHINE\\Software\\Other", "x", kRegSz, "");

    const auto exported = exportRegFile(hive_, "hkey_local_machine\\software\\varmio");
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->find("Other"), std::string::npos);
    const auto parsed = parseRegFile(*exported);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->problems.empty());
    SqliteHive copy(dir_.path() / "copy.db");
    applyRegFile(copy, *parsed);

    const auto read = copy.values(key);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(read[i].name, written[i].name);
        EXPECT_EQ(read[i].type, written[i].type) << written[i].name;
        EXPECT_EQ(read[i].data, written[i].data) << written[i].name;
    }
    EXPECT_EQ(copy.storedKeyPath(key + "\\sub\\deeper"), key + "\\Sub\\Deeper");
    EXPECT_EQ(copy.subkeys(key), (std::vector<std::string>{"Empty Key", "Sub"}));
    EXPECT_EQ(exportRegFile(copy, key), exported);
}

}  // namespace
}  // namespace varmio
