#include "ReadOnlyFile.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace {

// Steps between two calls of the progress handler.
constexpr int StepsPerCall = 1000;

int CountSteps(void* context) {
    auto* left = static_cast<long long*>(context);
    *left -= StepsPerCall;
    return *left < 0 ? 1 : 0;
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
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(
        db,
        "SELECT type FROM sqlite_master WHERE lower(name)='vidoslov' AND type IN ('table','view')",
        -1, &stmt, nullptr);
    QString error;
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "table") != 0)
            error = QStringLiteral("no such table: vidoslov");
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    return error;
}

void LimitQuerySteps(sqlite3* db, long long* stepsLeft) {
    sqlite3_progress_handler(db, StepsPerCall, CountSteps, stepsLeft);
}

QString QueryTooCostlyText() {
    return QStringLiteral("Upit je prekinut: traje predugo ili čita previše");
}
