#include <gtest/gtest.h>

#include "platform/sqlite_hive.h"
#include "support/temp_dir.h"
#include "tool_runner.h"

namespace varmio {
namespace {

constexpr const char* kConfig = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG";

class VarmioRegTest : public ::testing::Test {
  protected:
    ToolRun reg(std::vector<std::string> args) {
        args.insert(args.begin(), {"--hive", hive_.string()});
        return runTool(VARMIO_REG, args, dir_.path());
    }
    TempDir dir_;
    std::filesystem::path hive_ = dir_.path() / "registry.db";
};

TEST_F(VarmioRegTest, GetPrintsTheStoredDataWithoutAnyReadingRules) {
    {
        SqliteHive hive(hive_);
        hive.setValue(kConfig, "Huge", kRegSz, std::string(3000, 'h') + '\0');
        hive.setValue(kConfig, "Blank", kRegSz, std::string(" \0", 2));
    }
    EXPECT_EQ(reg({"get", "hklm\\software\\varmio\\config", "blank"}).out, " \n");
    EXPECT_EQ(reg({"get", kConfig, "HUGE"}).out, std::string(3000, 'h') + "\n");
    const auto absent = reg({"get", kConfig, "nothing"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out, "");
}

TEST_F(VarmioRegTest, QueryListsValuesThenSubkeysLikeReg) {
    ASSERT_EQ(
        reg({"add", "HKLM\\SOFTWARE\\VARMIO\\CONFIG", "/v", "Language", "/d", "English"}).status,
        0);
    reg({"add", kConfig, "/ve", "/d", "x"});
    reg({"add", kConfig, "/v", "Count", "/t", "REG_DWORD", "/d", "30"});
    reg({"add", "HKLM\\SOFTWARE\\VARMIO\\CONFIG\\Sub"});

    EXPECT_EQ(reg({"query", "hklm\\software\\varmio\\config"}).out,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG\n"
              "    Language    REG_SZ    English\n"
              "    (Default)    REG_SZ    x\n"
              "    Count    REG_DWORD    0x1e\n"
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG\\Sub\n");
    EXPECT_EQ(reg({"query", kConfig, "/v", "LANGUAGE"}).out,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG\n"
              "    Language    REG_SZ    English\n\n");
    EXPECT_EQ(reg({"query", kConfig, "/v", "nothing"}).status, 1);
    EXPECT_EQ(reg({"query", "HKLM\\SOFTWARE\\NOTHING"}).status, 1);
}

TEST_F(VarmioRegTest, AddAndDeleteAskUnlessForced) {
    reg({"add", kConfig, "/v", "a", "/d", "1"});
    EXPECT_EQ(reg({"add", kConfig, "/v", "A", "/d", "2"}).status, 1);  // no answer: cancelled
    EXPECT_EQ(reg({"delete", kConfig, "/v", "a"}).status, 1);
    reg({"add", kConfig, "/v", "A", "/d", "2", "/f"});
    EXPECT_EQ(reg({"get", kConfig, "a"}).out, "2\n");
    EXPECT_EQ(reg({"delete", "HKLM\\SOFTWARE", "/f"}).status, 0);
    EXPECT_EQ(reg({"get", kConfig, "a"}).status, 1);
}

// (Every kind of value and name: reg_file_test's round trip, through the same functions.)
TEST_F(VarmioRegTest, ExportedFilesImportBackToTheSameStore) {
    const std::string key = "HKLM\\Software\\Varmio";
    reg({"add", key + "\\Sub", "/v", "Quote\"d", "/d", "\xFE\xFF"});
    const auto before = reg({"query", key + "\\Sub"}).out;
    ASSERT_NE(before.find("Quote\"d    REG_SZ    \xFE\xFF"), std::string::npos) << before;
    // Absolute paths start with "/" like the options do, and still name files.
    const std::string saved = (dir_.path() / "saved.reg").string();
    ASSERT_EQ(reg({"export", key, saved}).status, 0);
    reg({"delete", key, "/f"});
    ASSERT_EQ(reg({"import", saved}).status, 0);
    EXPECT_EQ(reg({"query", key + "\\Sub"}).out, before);
}

TEST_F(VarmioRegTest, UsageErrorsExitTwoWithoutTouchingTheHive) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{},
          {"frobnicate"},
          {"get", kConfig},
          {"get", "HKXX\\A", "v"},
          {"add", kConfig, "/v", "n", "/t", "REG_DWORD", "/d", "many"},
          {"query", kConfig, "/q"}}) {
        const auto run = reg(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(hive_));
}

}  // namespace
}  // namespace varmio
