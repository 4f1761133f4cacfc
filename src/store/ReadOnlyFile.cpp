#include "ReadOnlyFile.h"

#include "EngineText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QUrl>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// Steps between two calls of the progress handler.
constexpr int StepsPerCall = 1000;

int CountSteps(void* context) {
    auto* budget = static_cast<QueryBudget*>(context);
    budget->stepsLeft -= StepsPerCall;
    if (budget->stepsLeft >= 0 && budget->deadline.hasExpired())
        budget->spend();
    return budget->spent() ? 1 : 0;
}

} // namespace

bool IsRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QByteArray ImmutableUri(const QString& path) {
    return "file:" + QUrl::toPercentEncoding(path, "/") + "?mode=ro&immutable=1";
}

int OpenImmutable(const QString& path, SqliteDatabase& db) {
    const int rc = OpenSqlite(ImmutableUri(path).constData(),
                              SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, db);
    if (db)
        sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, MaxValueBytes);
    return rc;
}

QString VerseTableError(sqlite3* db) {
    // A plain table's columns are all stored values; the schema is read as text, so that a
    // virtual table's missing module cannot fail the check.
    SqliteStatement stmt;
    int rc = PrepareSqlite(
        db,
        "SELECT type='table' AND sql NOT LIKE 'CREATE VIRTUAL%' AND NOT EXISTS (SELECT 1 FROM "
        "pragma_table_xinfo(m.name) WHERE hidden<>0) FROM sqlite_master m WHERE "
        "lower(m.name)='vidoslov' AND type IN ('table','view')",
        -1, stmt);
    QString error;
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if (sqlite3_column_int(stmt.get(), 0) == 0)
            error = EngineErrorText(QStringLiteral("no such table: vidoslov")) +
                    QStringLiteral(" (vidoslov u ovoj datoteci nije obična tabela)");
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE)
        error = EngineErrorText(QString::fromUtf8(sqlite3_errmsg(db)));
    return error;
}

FileStamp StampOf(const QString& path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    const auto nanoseconds = [](const timespec& t) {
        return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
    };
    return {st.st_dev, st.st_ino, st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

QString VerseTableErrorOnce(sqlite3* db, const QString& path, const FileStamp& opened) {
    // The files found plain, with their stamps; connections are made on more than one thread.
    static QMutex mutex;
    static QHash<QString, FileStamp> plain;
    // A stamp that changed while the file was opened may not be the file the connection holds.
    const bool same = opened.valid() && StampOf(path) == opened;
    {
        const QMutexLocker lock(&mutex);
        if (same && plain.value(path) == opened)
            return {};
    }
    const QString error = VerseTableError(db);
    const QMutexLocker lock(&mutex);
    if (same && error.isEmpty())
        plain.insert(path, opened);
    else
        plain.remove(path);
    return error;
}

void LimitQuery(sqlite3* db, QueryBudget* budget) {
    sqlite3_progress_handler(db, StepsPerCall, CountSteps, budget);
}

QString QueryTooCostlyText() {
    return QStringLiteral("Upit je prekinut: traje predugo ili čita previše");
}
