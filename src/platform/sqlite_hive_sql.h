#pragma once

// The hive's database: its schema and the statements SqliteHive prepares. Only sqlite_hive.cpp
// includes this.
#include <chrono>

#include "hive.h"

namespace varmio::hive_sql {

// "VRMH": marks the file as ours, so a foreign database is never taken for a hive.
inline constexpr long long kApplicationId = 0x56524D48;
inline constexpr long long kSchemaVersion = 1;
inline constexpr const char* kForeignDatabase =
    "not a hive: an SQLite database without the hive's application id";
// Long enough to outlast any single write of the other process, short enough to report a stuck
// lock rather than hang.
inline constexpr auto kBusyTimeout = std::chrono::seconds(15);

// `blocks` marks the entries at which an enumeration with kEnumBufferBytes buffers stops: the
// default value, a name that does not fit with its NUL, data that does not fit. Computed by the
// database so that no writer can get it wrong; indexed so a read needs no scan.
static_assert(kEnumBufferBytes == 2500, "the blocks column below spells out the buffer size");
inline constexpr const char* kSchema = R"(
CREATE TABLE keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name BLOB NOT NULL,
    path BLOB NOT NULL,
    folded BLOB NOT NULL UNIQUE);
CREATE INDEX keys_by_parent ON keys(parent, folded);
CREATE TABLE entries(
    position INTEGER PRIMARY KEY,
    key INTEGER NOT NULL,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    blocks INTEGER GENERATED ALWAYS AS (
        length(CAST(name AS BLOB)) = 0
        OR length(CAST(name AS BLOB)) >= 2500
        OR length(CAST(data AS BLOB)) > 2500) STORED,
    UNIQUE(key, folded));
CREATE INDEX entries_blocking ON entries(key, blocks, position);
)";

inline constexpr const char* kFindKey = "SELECT id, path FROM keys WHERE folded = ?1";
inline constexpr const char* kInsertKey =
    "INSERT INTO keys(parent, name, path, folded) VALUES(?1, ?2, ?3, ?4)";
inline constexpr const char* kScanRead =
    "SELECT e.data FROM keys k JOIN entries e ON e.key = k.id AND e.folded = ?2 "
    "WHERE k.folded = ?1 AND NOT EXISTS (SELECT 1 FROM entries b "
    "WHERE b.key = k.id AND b.blocks = 1 AND b.position <= e.position)";
inline constexpr const char* kReadValue =
    "SELECT e.name, e.type, e.data FROM keys k JOIN entries e ON e.key = k.id "
    "WHERE k.folded = ?1 AND e.folded = ?2";
inline constexpr const char* kListValues =
    "SELECT e.name, e.type, e.data FROM keys k JOIN entries e ON e.key = k.id "
    "WHERE k.folded = ?1 ORDER BY e.position";
inline constexpr const char* kListSubkeys =
    "SELECT c.name FROM keys p JOIN keys c ON c.parent = p.id "
    "WHERE p.folded = ?1 ORDER BY c.folded";
// Rewriting keeps the row, and with it the value's position and the spelling of its name.
inline constexpr const char* kUpsertValue =
    "INSERT INTO entries(key, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
    "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data";
inline constexpr const char* kRemoveValue =
    "DELETE FROM entries WHERE key = (SELECT id FROM keys WHERE folded = ?1) AND folded = ?2";
// A key and its subtree: its own path, and every path in [path + "\", path + "]"), ']' being
// the byte after '\'.
inline constexpr const char* kRemoveEntriesBelow =
    "DELETE FROM entries WHERE key IN (SELECT id FROM keys "
    "WHERE folded = ?1 OR (folded >= ?2 AND folded < ?3))";
inline constexpr const char* kRemoveKeysBelow =
    "DELETE FROM keys WHERE folded = ?1 OR (folded >= ?2 AND folded < ?3)";

}  // namespace varmio::hive_sql
