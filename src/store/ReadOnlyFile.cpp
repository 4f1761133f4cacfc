#include "ReadOnlyFile.h"

#include "EngineText.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

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

int OpenImmutable(const QString& path, sqlite3** db) {
    const int rc =
        sqlite3_open_v2(ImmutableUri(path).constData(), db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (*db)
        sqlite3_limit(*db, SQLITE_LIMIT_LENGTH, MaxValueBytes);
    return rc;
}

QString VerseTableError(sqlite3* db) {
    // A plain table's columns are all stored values; the schema is read as text, so that a
    // virtual table's missing module cannot fail the check.
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(
        db,
        "SELECT type='table' AND sql NOT LIKE 'CREATE VIRTUAL%' AND NOT EXISTS (SELECT 1 FROM "
        "pragma_table_xinfo(m.name) WHERE hidden<>0) FROM sqlite_master m WHERE "
        "lower(m.name)='vidoslov' AND type IN ('table','view')",
        -1, &stmt, nullptr);
    QString error;
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (sqlite3_column_int(stmt, 0) == 0)
            error = EngineErrorText(QStringLiteral("no such table: vidoslov")) +
                    QStringLiteral(" (vidoslov u ovoj datoteci nije obična tabela)");
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE)
        error = EngineErrorText(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(stmt);
    return error;
}

void LimitQuery(sqlite3* db, QueryBudget* budget) {
    sqlite3_progress_handler(db, StepsPerCall, CountSteps, budget);
}

QString QueryTooCostlyText() {
    return QStringLiteral("Upit je prekinut: traje predugo ili čita previše");
}
