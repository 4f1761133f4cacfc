#pragma once

#include "SqliteHandles.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

struct sqlite3;

// Opening a translation file that may be anything a user or a stranger put in its place.

// Whether the path names a regular file (links followed): not a folder, FIFO or device, whose
// opening could block or read without end.
bool IsRegularFile(const QString& path);

// The URI that opens a file as immutable: SQLite neither locks it nor writes a journal, WAL or
// shared-memory file beside it.
QByteArray ImmutableUri(const QString& path);

// Opens a file read-only and immutable, with values bounded by MaxValueBytes. On failure db
// may still hold a connection, for its error text.
int OpenImmutable(const QString& path, SqliteDatabase& db);

// Empty when the file's verse table is a plain table or missing (the statement then says so);
// otherwise the error to report: a view, a virtual table or a table with hidden or generated
// columns, whose reading could cost without bound, is no verse table.
QString VerseTableError(sqlite3* db);

// What tells one state of a file from another: its device and inode, size and the times of its
// last write and change. A file written, replaced or renamed over gives another stamp.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1, modified = 0, changed = 0; // times in nanoseconds
    bool valid() const { return size >= 0; }
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const QString& path);

// VerseTableError of a connection opened on the file `path` that had the stamp `opened` just
// before. A file found plain is not checked again while its stamp stays the same.
QString VerseTableErrorOnce(sqlite3* db, const QString& path, const FileStamp& opened);

// What one statement may cost: virtual machine steps, far beyond any search or chapter of a
// real translation (a whole-text search of many words takes a few million); time, for the work
// a step can hide (one function over a huge value); memory the rows read take, far beyond all
// the verses of a translation and low enough to keep the program under about 300 MB; bytes of
// one value.
inline constexpr long long MaxQuerySteps = 200'000'000;
inline constexpr int MaxQueryMilliseconds = 10'000;
inline constexpr long long MaxQueryBytes = 192LL << 20;
inline constexpr int MaxValueBytes = 32 << 20;

// What the statement running may still spend.
struct QueryBudget {
    long long stepsLeft = 0;
    QDeadlineTimer deadline;
    // A fresh budget for the next statement.
    void start() {
        stepsLeft = MaxQuerySteps;
        deadline.setRemainingTime(MaxQueryMilliseconds);
    }
    bool spent() const { return stepsLeft < 0; }
    void spend() { stepsLeft = -1; }
};

// Counts the steps and the time of the statements of a connection against *budget and
// interrupts the one running once either is spent; the caller starts the budget before each
// statement.
void LimitQuery(sqlite3* db, QueryBudget* budget);

// The error of a statement stopped by these bounds.
QString QueryTooCostlyText();
