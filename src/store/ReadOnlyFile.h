#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

// Opening a translation file that may be anything a user or a stranger put in its place.

// Whether the path names a regular file (links followed): not a folder, FIFO or device, whose
// opening could block or read without end.
bool IsRegularFile(const QString& path);

// The URI that opens a file as immutable: SQLite neither locks it nor writes a journal, WAL or
// shared-memory file beside it.
QByteArray ImmutableUri(const QString& path);

// Opens a file read-only and immutable, with values bounded by MaxValueBytes. On failure *db
// may still need closing, as with sqlite3_open_v2.
int OpenImmutable(const QString& path, sqlite3** db);

// Empty when the file's verse table is a table or missing (the statement then says so);
// otherwise the error to report: a view or anything else in its place is no verse table.
QString VerseTableError(sqlite3* db);

// What one statement may cost: virtual machine steps, far beyond any search or chapter of a
// real translation (a whole-text search of many words takes a few million); bytes of rows
// read into memory, far beyond all the verses of a translation; bytes of one value.
inline constexpr long long MaxQuerySteps = 200'000'000;
inline constexpr long long MaxQueryBytes = 256LL << 20;
inline constexpr int MaxValueBytes = 32 << 20;

// Counts the steps of the statements of a connection into *stepsLeft and interrupts the one
// running once it falls below zero; the caller sets *stepsLeft before each statement.
void LimitQuerySteps(sqlite3* db, long long* stepsLeft);

// The error of a statement stopped by these bounds.
QString QueryTooCostlyText();
