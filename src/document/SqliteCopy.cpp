#include "document/SqliteCopy.h"

#include "common/FileIo.h"

#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string NewTempFolder()
{
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec) /
                            ("pinwall-bookmarks-" + std::to_string(random()) + "-" + std::to_string(++counter));
    if (ec || !fs::create_directories(folder, ec)) return {};
    return Utf8FromPath(folder);
}

} // namespace

SqliteCopy::SqliteCopy(const std::string& databaseFile)
{
    std::error_code ec;
    const fs::path source = FsPath(databaseFile);
    if (!fs::is_regular_file(source, ec)) return;
    folder_ = NewTempFolder();
    if (folder_.empty()) return;
    const fs::path copy = FsPath(folder_) / "copy.sqlite";
    if (!fs::copy_file(source, copy, ec)) return;
    fs::path wal = source;
    wal += "-wal";
    if (fs::is_regular_file(wal, ec)) {
        fs::path walCopy = copy;
        walCopy += "-wal";
        if (!fs::copy_file(wal, walCopy, ec)) return;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8FromPath(copy).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    // The file is read at the first query: one that fails is no database.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    db_ = db;
}

SqliteCopy::~SqliteCopy()
{
    if (db_) sqlite3_close(db_);
    if (!folder_.empty()) {
        std::error_code ec;
        fs::remove_all(FsPath(folder_), ec);
    }
}

SqliteQuery::SqliteQuery(const SqliteCopy& db, const char* sql)
{
    if (!db.IsOpen() || sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

SqliteQuery::~SqliteQuery() { sqlite3_finalize(stmt_); }

SqliteQuery& SqliteQuery::Bind(int index, std::string_view text)
{
    if (!stmt_) return *this;
    sqlite3_reset(stmt_);
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

bool SqliteQuery::Step() { return stmt_ && sqlite3_step(stmt_) == SQLITE_ROW; }

std::int64_t SqliteQuery::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string SqliteQuery::Text(int column) const
{
    const void* bytes = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size)) : std::string();
}

bool SqliteQuery::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
