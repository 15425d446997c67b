#include <gtest/gtest.h>

#include "platform/sqlite_hive.h"
#include "support/temp_dir.h"
#include "tool_runner.h"

namespace varmio {
namespace {

constexpr const char* kConfig = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG";

class ReginstTest : public ::testing::Test {
  protected:
    ToolRun reginst(const std::vector<std::string>& args) {
        return runTool(VARMIO_REGINST, args, dir_.path());
    }
    TempDir dir_;
    std::filesystem::path hive_ = dir_.path() / "registry.db";
    std::filesystem::path reg_ = dir_.path() / "install.reg";
};

TEST_F(ReginstTest, ImportsTheGoodLinesAndReportsTheRestByLineNumber) {
    writeFile(reg_,
              "\xEF\xBB\xBFREGEDIT4\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG]\r\n"
              "\"Language\"=\"English\"\r\n"
              "\"broken\"=\"no end\r\n"
              "\"VIEW_CORP\"=\"1\"\r\n"
              "nonsense\r\n"
              "\"Blank\"=\" \"\r\n");
    const auto run = reginst({"--hive", hive_.string(), reg_.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("install.reg:5:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("install.reg:7:"), std::string::npos) << run.err;

    EXPECT_EQ(SqliteHive(hive_).values(kConfig).size(), 3u);  // the rest got in
}

TEST_F(ReginstTest, UnusableHivesAndFilesExitTwoAndChangeNothing) {
    writeFile(reg_, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"a\"=\"1\"\n");
    const auto notHive = dir_.path() / "notes.txt";
    writeFile(notHive, "just some text\n");

    const auto refused = reginst({"--hive", notHive.string(), reg_.string()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find(notHive.string()), std::string::npos) << refused.err;
    EXPECT_EQ(readFile(notHive), "just some text\n");

    EXPECT_EQ(reginst({"--hive", hive_.string(), "missing.reg"}).status, 2);
    EXPECT_EQ(reginst({"--hive", hive_.string(), notHive.string()}).status, 2);
    EXPECT_EQ(reginst({"--hive"}).status, 2);
    EXPECT_EQ(reginst({}).status, 2);
}

}  // namespace
}  // namespace varmio
