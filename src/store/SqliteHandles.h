#pragma once

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Owners of a SQLite connection and of a prepared statement: each closes or finalizes what it
// holds once, when it goes or is reset, and can only be moved. A statement must be dropped
// before the connection it was prepared on.
struct SqliteClose {
    void operator()(sqlite3* db) const;
};
struct SqliteFinalize {
    void operator()(sqlite3_stmt* stmt) const;
};
using SqliteDatabase = std::unique_ptr<sqlite3, SqliteClose>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalize>;

// sqlite3_open_v2 into an owner. On failure the owner may still hold a connection, for its
// error text.
int OpenSqlite(const char* name, int flags, SqliteDatabase& db);
// sqlite3_prepare_v2 of the first statement of `sql` into an owner, which stays empty for a
// text of nothing but blanks or comments.
int PrepareSqlite(sqlite3* db, const char* sql, int bytes, SqliteStatement& stmt);
// Closes the connection, and says whether it closed: a connection with a statement left
// open is not closed and stays with the owner.
bool CloseSqlite(SqliteDatabase& db);
