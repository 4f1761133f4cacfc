#include "SqliteHandles.h"

#include <sqlite3.h>

void SqliteClose::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

void SqliteFinalize::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

int OpenSqlite(const char* name, int flags, SqliteDatabase& db) {
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open_v2(name, &opened, flags, nullptr);
    db.reset(opened);
    return rc;
}

int PrepareSqlite(sqlite3* db, const char* sql, int bytes, SqliteStatement& stmt) {
    sqlite3_stmt* prepared = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql, bytes, &prepared, nullptr);
    stmt.reset(prepared);
    return rc;
}

bool CloseSqlite(SqliteDatabase& db) {
    if (sqlite3_close(db.get()) != SQLITE_OK)
        return false;
    db.release();
    return true;
}
