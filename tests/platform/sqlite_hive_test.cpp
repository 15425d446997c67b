#include "platform/sqlite_hive.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>

#include "support/temp_dir.h"

namespace varmio {
namespace {

constexpr const char* kConfig = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Varmio\\CONFIG";

std::vector<std::string> names(Hive& hive, std::string_view key) {
    std::vector<std::string> result;
    for (const auto& value : hive.values(key))
        result.push_back(value.name);
    return result;
}

class SqliteHiveTest : public ::testing::Test {
  protected:
    TempDir dir_;
    std::filesystem::path file_ = dir_.path() / "registry.db";
};

TEST_F(SqliteHiveTest, KeysAndNamesIgnoreCaseAndKeepTheirFirstSpellingAndPlace) {
    SqliteHive hive(file_);
    for (const char* name : {"CMB_HTML_META", "b", "c"})
        hive.setValue(kConfig, name, kRegSz, "x");
    hive.setValue("hkey_local_machine\\software\\VARMIO\\config\\", "cmb_html_meta", kRegDword,
                  "1234");
    EXPECT_EQ(names(hive, kConfig), (std::vector<std::string>{"CMB_HTML_META", "b", "c"}));
    const auto value = hive.value("HKEY_LOCAL_MACHINE\\software\\varmio\\Config", "Cmb_Html_Meta");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, kRegDword);
    EXPECT_EQ(value->data, "1234");
    EXPECT_EQ(hive.storedKeyPath("HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\config"), kConfig);
    EXPECT_EQ(hive.subkeys("HKEY_LOCAL_MACHINE\\SOFTWARE"), std::vector<std::string>{"Varmio"});

    EXPECT_TRUE(hive.deleteValue(kConfig, "B"));
    EXPECT_FALSE(hive.deleteValue(kConfig, "B"));
    hive.setValue(kConfig, "b", kRegSz, "x");
    EXPECT_EQ(names(hive, kConfig), (std::vector<std::string>{"CMB_HTML_META", "c", "b"}));
}

TEST_F(SqliteHiveTest, DeletingAKeyTakesItsSubtreeButNotSiblingsWithTheSamePrefix) {
    SqliteHive hive(file_);
    for (const char* key : {"HKCU\\A\\B", "HKCU\\A\\B\\C", "HKCU\\A\\BC", "HKCU\\A\\B]"}) {
        hive.setValue(key, "v", kRegSz, key);
    }
    EXPECT_TRUE(hive.deleteKey("hkcu\\a\\b"));
    EXPECT_FALSE(hive.storedKeyPath("HKCU\\A\\B\\C"));
    EXPECT_FALSE(hive.value("HKCU\\A\\B\\C", "v"));
    EXPECT_EQ(hive.subkeys("HKCU\\A"), (std::vector<std::string>{"B]", "BC"}));
    EXPECT_TRUE(hive.value("HKCU\\A\\BC", "v"));
    EXPECT_FALSE(hive.deleteKey("HKCU\\A\\B"));
}

TEST_F(SqliteHiveTest, BytesPassThroughUntouched) {
    const std::string name = "n\xFE\xFF";
    const std::string data("\xFF\xFE\0\x80 z\0", 7);
    {
        SqliteHive hive(file_);
        hive.setValue(kConfig, name, kRegBinary, data);
        hive.setValue(kConfig, "empty", kRegSz, "");
    }
    SqliteHive reopened(file_);
    EXPECT_EQ(reopened.values(kConfig)[0].name, name);
    EXPECT_EQ(reopened.value(kConfig, name)->data, data);
    EXPECT_EQ(reopened.value(kConfig, "empty")->data, "");
}

TEST_F(SqliteHiveTest, AFailedTransactionLeavesNothingBehind) {
    SqliteHive hive(file_);
    EXPECT_THROW(hive.transaction([&] {
        hive.setValue(kConfig, "a", kRegSz, "x");
        hive.createKey("HKCU\\New");
        throw std::runtime_error("stop");
    }),
                 std::runtime_error);
    EXPECT_FALSE(hive.storedKeyPath("HKEY_LOCAL_MACHINE"));
    EXPECT_FALSE(hive.storedKeyPath("HKCU"));
    hive.setValue(kConfig, "a", kRegSz, "x");  // and the hive is usable again
    EXPECT_TRUE(hive.value(kConfig, "a"));
}

TEST_F(SqliteHiveTest, NewHivesArePrivateAndEmptyFilesBecomeHives) {
    { SqliteHive hive(file_); }
    struct stat info {};
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const auto empty = dir_.path() / "empty.db";
    std::ofstream(empty).close();
    SqliteHive hive(empty);
    hive.setValue(kConfig, "a", kRegSz, "x");
    EXPECT_TRUE(SqliteHive(empty).value(kConfig, "a"));
}

TEST_F(SqliteHiveTest, FilesThatAreNoHiveAreRefusedAndLeftAsTheyAre) {
    const auto text = dir_.path() / "notes.txt";
    std::ofstream(text, std::ios::binary) << "REGEDIT4\r\n\xFF\xFE not a database";
    const auto foreign = dir_.path() / "foreign.db";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(foreign.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES (1)", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    for (const auto& file : {text, foreign}) {
        const std::string before = readFile(file);
        try {
            SqliteHive hive(file);
            ADD_FAILURE() << file << " was taken for a hive";
        } catch (const HiveError& error) {
            EXPECT_EQ(error.file(), file);
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
            EXPECT_FALSE(error.reason().empty());
        }
        EXPECT_EQ(readFile(file), before) << file;
    }
    EXPECT_THROW(SqliteHive(dir_.path() / "missing" / "registry.db"), HiveError);
    EXPECT_THROW(SqliteHive{dir_.path()}, HiveError);
}

}  // namespace
}  // namespace varmio
