#include "sqlite_hive.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <thread>
#include <utility>

#include "basic_text.h"
#include "sqlite_hive_sql.h"

namespace varmio {
namespace {

using namespace hive_sql;

// SQLite's own busy timeout sleeps up to 100 ms between tries, and a process that commits back to
// back can keep such a waiter out for the whole timeout. Short sleeps with jitter find the gaps
// between the other process's transactions.
int retryWhileBusy(void* waitingSince, int attempt) {
    auto& since = *static_cast<std::chrono::steady_clock::time_point*>(waitingSince);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) since = now;
    if (now - since >= kBusyTimeout) return 0;
    thread_local std::minstd_rand jitter(
        static_cast<unsigned>(::getpid() ^ now.time_since_epoch().count()));
    std::this_thread::sleep_for(std::chrono::microseconds(100 + jitter() % 400));
    return 1;
}

// The spelling names are compared by.
std::string foldCase(std::string_view text) {
    return lcase(text);
}

// The parts of a key path. A trailing backslash is tolerated, as the registry does.
std::vector<std::string_view> splitKeyPath(std::string_view path) {
    const std::string_view whole = path;
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    std::vector<std::string_view> parts;
    while (true) {
        const auto cut = path.find('\\');
        const auto part = path.substr(0, cut);
        if (part.empty()) throw std::invalid_argument("malformed key path: " + std::string(whole));
        parts.push_back(part);
        if (cut == std::string_view::npos) return parts;
        path.remove_prefix(cut + 1);
    }
}

std::string foldedKeyPath(std::string_view path) {
    std::string folded;
    for (const auto part : splitKeyPath(path)) {
        if (!folded.empty()) folded += '\\';
        folded += foldCase(part);
    }
    return folded;
}

}  // namespace

// A prepared statement. query() and run() bind their arguments in order as blobs or integers;
// a Cursor resets the statement when it goes, so no read lock outlives a read.
class SqliteHive::Statement {
  public:
    class Cursor {
      public:
        explicit Cursor(Statement& statement) : statement_(statement) {}
        ~Cursor() { statement_.reset(); }
        Cursor(const Cursor&) = delete;
        Cursor& operator=(const Cursor&) = delete;
        bool next() { return statement_.step(); }
        std::string blob(int column) const {
            auto* raw = statement_.stmt_;
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(raw, column));
            return bytes ? std::string(bytes, sqlite3_column_bytes(raw, column)) : std::string();
        }
        long long integer(int column) const {
            return sqlite3_column_int64(statement_.stmt_, column);
        }

      private:
        Statement& statement_;
    };

    Statement(const SqliteHive& owner, const char* sql) : owner_(owner) {
        if (sqlite3_prepare_v3(owner.db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
            SQLITE_OK) {
            owner.fail(sqlite3_errmsg(owner.db_));
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    template <typename... Args>
    Cursor query(const Args&... args) {
        int index = 0;
        (bind(++index, args), ...);
        return Cursor(*this);
    }

    // Runs a write to its end; gives the number of rows changed.
    template <typename... Args>
    int run(const Args&... args) {
        Cursor cursor = query(args...);
        while (cursor.next()) {
        }
        return sqlite3_changes(owner_.db_);
    }

  private:
    void bind(int index, std::string_view bytes) {
        // A null pointer would bind NULL rather than an empty blob.
        check(sqlite3_bind_blob64(stmt_, index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                                  SQLITE_TRANSIENT));
    }
    void bind(int index, const std::string& bytes) { bind(index, std::string_view(bytes)); }
    void bind(int index, long long number) { check(sqlite3_bind_int64(stmt_, index, number)); }
    void bind(int index, ValueType number) { bind(index, static_cast<long long>(number)); }

    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        check(rc);
        return false;
    }
    void reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    void check(int rc) const {
        if (rc != SQLITE_OK) owner_.fail(sqlite3_errmsg(owner_.db_));
    }

    const SqliteHive& owner_;
    sqlite3_stmt* stmt_ = nullptr;
};

struct SqliteHive::Statements {
    explicit Statements(const SqliteHive& hive)
        : findKey(hive, kFindKey),
          insertKey(hive, kInsertKey),
          scanRead(hive, kScanRead),
          readValue(hive, kReadValue),
          listValues(hive, kListValues),
          listSubkeys(hive, kListSubkeys),
          upsertValue(hive, kUpsertValue),
          removeValue(hive, kRemoveValue),
          removeEntriesBelow(hive, kRemoveEntriesBelow),
          removeKeysBelow(hive, kRemoveKeysBelow) {}
    Statement findKey;
    Statement insertKey;
    Statement scanRead;
    Statement readValue;
    Statement listValues;
    Statement listSubkeys;
    Statement upsertValue;
    Statement removeValue;
    Statement removeEntriesBelow;
    Statement removeKeysBelow;
};

SqliteHive::SqliteHive(std::filesystem::path file) : file_(std::move(file)) {
    try {
        openConnection();
        checkOrCreateSchema();
        prepareStatements();
    } catch (...) {
        statements_.reset();
        sqlite3_close(db_);
        throw;
    }
}

SqliteHive::~SqliteHive() {
    statements_.reset();  // statements go before their connection
    sqlite3_close(db_);
}

void SqliteHive::openConnection() {
    // Created here rather than by SQLite, which would make it readable by everyone.
    const int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno != EEXIST) {
        fail(std::string("cannot create the file: ") + std::strerror(errno));
    }
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        fail(std::string("cannot open: ") + (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
    }
    sqlite3_busy_handler(db_, retryWhileBusy, &waitingSince_);
}

void SqliteHive::checkOrCreateSchema() {
    const auto pragma = [this](const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        long long result = 0;
        int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) result = sqlite3_column_int64(stmt, 0);
        const std::string error = sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_ROW) fail(rc == SQLITE_NOTADB ? "not a hive: " + error : error);
        return result;
    };
    // Runs `work` between `begin` and COMMIT; a failure rolls it back.
    const auto inTransaction = [this](const char* begin, const auto& work) {
        execute(begin);
        try {
            work();
            execute("COMMIT");
        } catch (...) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    };
    // One snapshot, as another process may be making the hive at this moment.
    long long applicationId = 0;
    long long pages = 0;
    inTransaction("BEGIN", [&] {
        applicationId = pragma("PRAGMA application_id");
        pages = pragma("PRAGMA page_count");
    });
    if (applicationId != kApplicationId) {
        // Only an empty file becomes a hive; anything else belongs to someone else.
        if (pages != 0) fail(kForeignDatabase);
        inTransaction("BEGIN IMMEDIATE", [&] {
            // Another process may have made the hive while we waited for the lock. (page_count
            // is no test here: the write transaction has already set up page 1.)
            if (pragma("PRAGMA application_id") == 0 &&
                pragma("SELECT count(*) FROM sqlite_schema") == 0) {
                execute(kSchema);
                execute(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
                execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
            }
        });
        if (pragma("PRAGMA application_id") != kApplicationId) {
            fail(kForeignDatabase);
        }
    }
    const long long version = pragma("PRAGMA user_version");
    if (version != kSchemaVersion) {
        fail("hive format version " + std::to_string(version) + " is not supported");
    }
    // Rollback journal, not WAL: the other process may sit on a file system without shared
    // memory, and a full sync per commit is cheap at our write rate.
    execute("PRAGMA journal_mode = DELETE");
    execute("PRAGMA synchronous = FULL");
    // Reads map the file instead of copying pages in: every text lookup is two reads.
    execute("PRAGMA mmap_size = 16777216");
}

void SqliteHive::prepareStatements() {
    statements_ = std::make_unique<Statements>(*this);
}

void SqliteHive::execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        fail(reason);
    }
}

void SqliteHive::fail(const std::string& what) const {
    throw HiveError(file_, what);
}

std::optional<std::string> SqliteHive::findByEnumeration(std::string_view keyPath,
                                                         std::string_view name) {
    auto cursor = statements_->scanRead.query(foldedKeyPath(keyPath), foldCase(name));
    if (!cursor.next()) return std::nullopt;
    return cursor.blob(0);
}

std::optional<HiveValue> SqliteHive::value(std::string_view keyPath, std::string_view name) {
    auto cursor = statements_->readValue.query(foldedKeyPath(keyPath), foldCase(name));
    if (!cursor.next()) return std::nullopt;
    return HiveValue{cursor.blob(0), static_cast<ValueType>(cursor.integer(1)), cursor.blob(2)};
}

std::vector<HiveValue> SqliteHive::values(std::string_view keyPath) {
    std::vector<HiveValue> result;
    auto cursor = statements_->listValues.query(foldedKeyPath(keyPath));
    while (cursor.next()) {
        result.push_back(
            {cursor.blob(0), static_cast<ValueType>(cursor.integer(1)), cursor.blob(2)});
    }
    return result;
}

std::optional<std::string> SqliteHive::storedKeyPath(std::string_view keyPath) {
    auto cursor = statements_->findKey.query(foldedKeyPath(keyPath));
    if (!cursor.next()) return std::nullopt;
    return cursor.blob(1);
}

std::vector<std::string> SqliteHive::subkeys(std::string_view keyPath) {
    std::vector<std::string> names;
    auto cursor = statements_->listSubkeys.query(foldedKeyPath(keyPath));
    while (cursor.next())
        names.push_back(cursor.blob(0));
    return names;
}

void SqliteHive::createKey(std::string_view keyPath) {
    transaction([&] { ensureKey(keyPath); });
}

long long SqliteHive::ensureKey(std::string_view keyPath) {
    const auto parts = splitKeyPath(keyPath);
    std::string folded;
    std::string spelled;
    long long id = 0;
    bool missing = false;
    for (const auto part : parts) {
        if (!folded.empty()) folded += '\\';
        folded += foldCase(part);
        if (!missing) {
            auto cursor = statements_->findKey.query(folded);
            if (cursor.next()) {
                id = cursor.integer(0);
                spelled = cursor.blob(1);
                continue;
            }
            missing = true;
        }
        // A new key takes its parent's stored spelling and the caller's for its own name.
        if (!spelled.empty()) spelled += '\\';
        spelled += part;
        statements_->insertKey.run(id, part, spelled, folded);
        id = sqlite3_last_insert_rowid(db_);
    }
    return id;
}

void SqliteHive::setValue(std::string_view keyPath, std::string_view name, ValueType type,
                          std::string_view data) {
    transaction([&] {
        const long long key = ensureKey(keyPath);
        statements_->upsertValue.run(key, name, foldCase(name), type, data);
    });
}

bool SqliteHive::deleteValue(std::string_view keyPath, std::string_view name) {
    bool deleted = false;
    transaction([&] {
        deleted = statements_->removeValue.run(foldedKeyPath(keyPath), foldCase(name)) > 0;
    });
    return deleted;
}

bool SqliteHive::deleteKey(std::string_view keyPath) {
    const std::string folded = foldedKeyPath(keyPath);
    const std::string first = folded + "\\";
    const std::string beyond = folded + "]";
    bool deleted = false;
    transaction([&] {
        statements_->removeEntriesBelow.run(folded, first, beyond);
        deleted = statements_->removeKeysBelow.run(folded, first, beyond) > 0;
    });
    return deleted;
}

void SqliteHive::transaction(const std::function<void()>& work) {
    if (transactionDepth_ > 0) {
        work();
        return;
    }
    // IMMEDIATE: take the write lock before reading, so two writers never deadlock on upgrade.
    execute("BEGIN IMMEDIATE");
    ++transactionDepth_;
    try {
        work();
        --transactionDepth_;
        execute("COMMIT");
    } catch (...) {
        transactionDepth_ = 0;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace varmio
