#include "SearchIndex.h"

#include "Folding.h"
#include "SqliteHandles.h"
#include "TextRules.h"

#include <QSet>
#include <QStringList>
#include <sqlite3.h>

namespace {

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw SearchIndexError(text);
    }
}

// The index's column holds FoldForSearch of the text; the trigram tokenizer takes it as it is,
// three characters at a time, without folding of its own. Only rowids are kept per trigram.
const char* const IndexSchema =
    "DROP TABLE IF EXISTS vidoslov_search;"
    "CREATE VIRTUAL TABLE vidoslov_search USING fts5(folded, "
    "tokenize='trigram case_sensitive 1', detail=none);"
    "INSERT INTO vidoslov_search (rowid, folded) "
    "SELECT rowid, folded(tekst) FROM vidoslov WHERE tekst IS NOT NULL;"
    "INSERT INTO vidoslov_search (vidoslov_search) VALUES ('optimize');";

// The index alone, without the texts and their sizes; the pending terms are held in memory until
// the end (a few megabytes for a whole Bible), so that the index is written as one segment and
// needs no merging.
const char* const BareIndexTable =
    "CREATE VIRTUAL TABLE %1.vidoslov_search USING fts5(folded, "
    "tokenize='trigram case_sensitive 1', detail=none, content='', columnsize=0);"
    "INSERT INTO %1.vidoslov_search (vidoslov_search, rank) VALUES ('hashsize', 268435456);";

// A term of an FTS5 expression: in double quotes, its own quotes doubled.
QString Term(const QString& text) {
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

bool HasSearchIndex(sqlite3* db) {
    SqliteStatement stmt;
    const char* sql = "SELECT 1 FROM sqlite_schema WHERE type='table' AND name='vidoslov_search' "
                      "AND sql LIKE 'CREATE VIRTUAL TABLE%fts5%'";
    return PrepareSqlite(db, sql, -1, stmt) == SQLITE_OK && sqlite3_step(stmt.get()) == SQLITE_ROW;
}

void BuildSearchIndex(sqlite3* db, IndexedText text) {
    RegisterFolding(db);
    if (text == IndexedText::Kept) {
        Exec(db, IndexSchema);
        return;
    }
    Exec(db, "DROP TABLE IF EXISTS vidoslov_search");
    CreateBareSearchIndex(db, "main");
    Exec(db, "INSERT INTO vidoslov_search (rowid, folded) "
             "SELECT rowid, folded(tekst) FROM vidoslov WHERE tekst IS NOT NULL");
}

void CreateBareSearchIndex(sqlite3* db, const char* schema) {
    Exec(db, QString::fromLatin1(BareIndexTable).arg(QLatin1String(schema)).toUtf8().constData());
}

void CopySearchIndex(sqlite3* db, const char* from) {
    CreateBareSearchIndex(db, "main");
    for (const char* table : {"data", "idx", "config"})
        Exec(db, QStringLiteral(
                     "DELETE FROM main.vidoslov_search_%2;"
                     "INSERT INTO main.vidoslov_search_%2 SELECT * FROM %1.vidoslov_search_%2")
                     .arg(QLatin1String(from), QLatin1String(table))
                     .toUtf8()
                     .constData());
}

void AddSearchIndex(const QString& path) {
    SqliteDatabase db;
    if (OpenSqlite(path.toUtf8().constData(), SQLITE_OPEN_READWRITE, db) != SQLITE_OK)
        throw SearchIndexError(db ? sqlite3_errmsg(db.get()) : "out of memory");
    RegisterTextRules(db.get());
    Exec(db.get(), "BEGIN IMMEDIATE");
    BuildSearchIndex(db.get());
    Exec(db.get(), "COMMIT");
    Exec(db.get(), "VACUUM");
}

QString IndexExpression(const QString& word, bool folded, bool literal) {
    QStringList pieces;
    if (literal) {
        pieces << word;
    } else {
        QString piece;
        for (const QChar c : word) {
            if (c == u'%' || c == u'_')
                pieces << std::exchange(piece, QString());
            else
                piece += c;
        }
        pieces << piece;
    }
    QStringList terms;
    QSet<QString> seen;
    for (const QString& piece : pieces) {
        // The text and a word match without regard to case, and folding goes through case
        // folding: the folded text holds the folded piece wherever the text holds the piece.
        const QList<uint> chars = (folded ? piece.toCaseFolded() : FoldForSearch(piece)).toUcs4();
        for (qsizetype i = 0; i + 3 <= chars.size(); ++i) {
            const QString trigram =
                QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData() + i), 3);
            if (!seen.contains(trigram)) {
                seen.insert(trigram);
                terms << Term(trigram);
            }
        }
    }
    return terms.join(QStringLiteral(" AND "));
}
