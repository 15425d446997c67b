#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include "hive.h"

struct sqlite3;

namespace varmio {

// A hive kept in one SQLite database file. Several processes may use the same file at once:
// every write is a short transaction that takes the write lock at its start, and nothing is
// cached, so each read sees the latest committed state.
class SqliteHive : public Hive {
  public:
    // Opens the hive file, turning a missing or empty file into a new hive (mode 0600). Throws
    // HiveError when the file cannot be opened or holds anything else; such a file is left
    // untouched.
    explicit SqliteHive(std::filesystem::path file);
    ~SqliteHive() override;
    SqliteHive(const SqliteHive&) = delete;
    SqliteHive& operator=(const SqliteHive&) = delete;

    const std::filesystem::path& file() const { return file_; }

    std::optional<std::string> findByEnumeration(std::string_view keyPath,
                                                 std::string_view name) override;
    std::optional<HiveValue> value(std::string_view keyPath, std::string_view name) override;
    std::vector<HiveValue> values(std::string_view keyPath) override;
    std::optional<std::string> storedKeyPath(std::string_view keyPath) override;
    std::vector<std::string> subkeys(std::string_view keyPath) override;
    void createKey(std::string_view keyPath) override;
    void setValue(std::string_view keyPath, std::string_view name, ValueType type,
                  std::string_view data) override;
    bool deleteValue(std::string_view keyPath, std::string_view name) override;
    bool deleteKey(std::string_view keyPath) override;
    void transaction(const std::function<void()>& work) override;

  private:
    class Statement;
    struct Statements;

    void openConnection();
    void checkOrCreateSchema();
    void prepareStatements();
    void execute(const char* sql);
    [[noreturn]] void fail(const std::string& what) const;
    long long ensureKey(std::string_view keyPath);

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    int transactionDepth_ = 0;
    std::chrono::steady_clock::time_point waitingSince_;  // of the current busy wait
    std::unique_ptr<Statements> statements_;
};

}  // namespace varmio
