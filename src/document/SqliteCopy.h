// A browser's SQLite database read through a copy: the browser locks its files while it runs and
// keeps recent changes in the "-wal" file beside them, so the database and its -wal are copied
// into a temporary folder and the copy is opened read-only. The browser's files are only read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

class SqliteCopy {
public:
    // Copies `databaseFile` (and its -wal where present) and opens the copy read-only.
    explicit SqliteCopy(const std::string& databaseFile);
    ~SqliteCopy();
    SqliteCopy(const SqliteCopy&) = delete;
    SqliteCopy& operator=(const SqliteCopy&) = delete;

    // False when the file is missing, cannot be copied or is no SQLite database.
    bool IsOpen() const { return db_ != nullptr; }
    sqlite3* Handle() const { return db_; }

private:
    std::string folder_;
    sqlite3* db_ = nullptr;
};

// One prepared statement; Step() walks its rows.
class SqliteQuery {
public:
    SqliteQuery(const SqliteCopy& db, const char* sql);
    ~SqliteQuery();
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    bool Ok() const { return stmt_ != nullptr; }
    // Binds a text to parameter `index` (from 1) and starts the query again.
    SqliteQuery& Bind(int index, std::string_view text);
    bool Step();
    std::int64_t Int(int column) const;
    std::string Text(int column) const;  // also for BLOBs; NULL reads as empty
    bool IsNull(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
};
