#include "ReferenceFile.h"

#include "BookCatalogue.h"
#include "ImportError.h"
#include "ReadOnlyFile.h"
#include "TextRules.h"

#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace {

QString Column(sqlite3_stmt* stmt, int c) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, c)) : QString();
}

} // namespace

ReferenceFile::ReferenceFile(const QString& path) {
    const auto refuse = [&path](const QString& why) {
        return ImportError(ExitUsage,
                           QStringLiteral("Cannot take references from %1: %2").arg(path, why));
    };
    if (!IsRegularFile(path))
        throw refuse(QFileInfo::exists(path) ? QStringLiteral("it is not a regular file.")
                                             : QStringLiteral("there is no such file."));
    QHash<QString, int> books;
    for (int i = 0; i < BookCatalogue::BookCount; ++i)
        books.insert(QString::fromUtf8(BookCatalogue::Codes[i]), i + 1);

    QueryBudget budget; // outlives the connection that counts against it
    budget.start();
    SqliteDatabase db;
    SqliteStatement stmt;
    QString table;
    int rc = OpenImmutable(path, db);
    if (rc == SQLITE_OK) {
        RegisterTextRules(db.get());
        LimitQuery(db.get(), &budget);
        table = VerseTableError(db.get());
        rc = table.isEmpty()
                 ? PrepareSqlite(db.get(), "SELECT knjiga, glava, rbr, pok FROM vidoslov", -1, stmt)
                 : SQLITE_ERROR;
    }
    while (rc == SQLITE_OK && (rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const int book = books.value(Column(stmt.get(), 0));
        const QString pok = Column(stmt.get(), 3).trimmed();
        if (book && !pok.isEmpty() && pok != QLatin1String("."))
            pok_[{book, sqlite3_column_int(stmt.get(), 1), sqlite3_column_int(stmt.get(), 2)}] =
                pok;
        rc = SQLITE_OK;
    }
    const QString engine =
        !table.isEmpty() ? table
        : budget.spent() ? QueryTooCostlyText()
                         : QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(rc));
    if (rc != SQLITE_DONE)
        throw refuse(engine);
}

QString ReferenceFile::at(int book, int chapter, int verse) const {
    const auto found = pok_.find({book, chapter, verse});
    return found == pok_.end() ? QString() : found->second;
}
