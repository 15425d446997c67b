#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sqlite3.h>

#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

#include "platform/sqlite_hive.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\CONFIG";
constexpr int kValuesPerWriter = 5000;

std::string valueName(int writer, int index) {
    return "w" + std::to_string(writer) + "_" + std::to_string(index);
}

std::string valueData(int index) {
    return std::string(40 + index % 70, char('a' + index % 26));
}

// Long enough to span several pages, so a torn write would show as mixed letters.
std::string sharedData(int writer) {
    return std::string(9000, writer == 0 ? 'x' : 'y');
}

bool uniform(const std::string& text) {
    return text.find_first_not_of(text.empty() ? ' ' : text[0]) == std::string::npos;
}

// A process writing `count` values (without end when negative), each with the shared value in
// one transaction; after each commit it writes one byte to `ack` when that is not -1.
pid_t startWriter(const std::filesystem::path& file, int writer, int count, int ack = -1) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    try {
        SqliteHive hive(file);
        for (int i = 0; count < 0 || i < count; ++i) {
            hive.transaction([&] {
                hive.setValue(kKey, valueName(writer, i), kRegSz, valueData(i));
                hive.setValue(kKey, "shared", kRegBinary, sharedData(writer % 2));
            });
            const char committed = 1;
            if (ack != -1 && ::write(ack, &committed, 1) != 1) ::_exit(1);
        }
        ::_exit(0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "writer %d: %s\n", writer, error.what());
        ::_exit(1);
    }
}

TEST(HiveConcurrencyTest, TwoProcessesWritingAtOnceLoseNothingAndTearNothing) {
    // Locking is under test, not the disk: a memory file system, where there is one, keeps the
    // 10,000 synced commits quick.
    std::error_code noShm;
    TempDir dir(std::filesystem::is_directory("/dev/shm", noShm)
                    ? "/dev/shm"
                    : std::filesystem::temp_directory_path());
    const auto file = dir.path() / "registry.db";
    // Connections must not cross a fork, so the reader opens after it.
    const pid_t writers[] = {startWriter(file, 0, kValuesPerWriter),
                             startWriter(file, 1, kValuesPerWriter)};
    SqliteHive reader(file);

    int running = 2;
    int statuses[2] = {};
    int reads = 0;
    while (running > 0) {
        for (int w = 0; w < 2; ++w) {
            if (writers[w] != 0 && ::waitpid(writers[w], &statuses[w], WNOHANG) == writers[w]) {
                --running;
            }
        }
        if (const auto shared = reader.value(kKey, "shared")) {
            ASSERT_EQ(shared->data.size(), 9000u);
            ASSERT_TRUE(uniform(shared->data));
        }
        const int index = reads++ % kValuesPerWriter;
        if (const auto value = reader.value(kKey, valueName(reads % 2, index))) {
            ASSERT_EQ(value->data, valueData(index));
        }
    }
    for (const int status : statuses) {
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    const auto values = reader.values(kKey);
    EXPECT_EQ(values.size(), 2u * kValuesPerWriter + 1);
    for (int w = 0; w < 2; ++w) {
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const auto value = reader.value(kKey, valueName(w, i));
            ASSERT_TRUE(value) << valueName(w, i);
            ASSERT_EQ(value->data, valueData(i));
        }
    }
}

std::string integrityCheck(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    // Read-write: the first reader after a crash rolls back the hot journal.
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* check = nullptr;
    std::string result;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW)
        result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
    else
        result = sqlite3_errmsg(db);
    sqlite3_finalize(check);
    sqlite3_close(db);
    return result;
}

TEST(HiveConcurrencyTest, AWriterKilledAtAnyMomentLosesNoAcknowledgedWrite) {
    TempDir dir;
    const auto file = dir.path() / "registry.db";
    SqliteHive(file).createKey(kKey);
    std::mt19937 random(20261205);
    for (int round = 0; round < 200; ++round) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t writer = startWriter(file, round, -1, pipe[1]);
        ::close(pipe[1]);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<>(0, 30000)(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
        int acknowledged = 0;
        char byte;
        while (::read(pipe[0], &byte, 1) == 1)
            ++acknowledged;
        ::close(pipe[0]);

        ASSERT_EQ(integrityCheck(file), "ok") << "round " << round;
        SqliteHive reader(file);
        for (int i = 0; i < acknowledged; ++i) {
            const auto value = reader.value(kKey, valueName(round, i));
            ASSERT_TRUE(value) << "round " << round << ", acknowledged write " << i << " lost";
            ASSERT_EQ(value->data, valueData(i));
        }
        if (const auto shared = reader.value(kKey, "shared")) {
            ASSERT_TRUE(uniform(shared->data));
        }
    }
}

}  // namespace
}  // namespace varmio
