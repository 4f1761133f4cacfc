#include "JetIndexBuild.h"

#include "Folding.h"
#include "JetCache.h"
#include "JetFile.h"
#include "JetTable.h"
#include "SearchIndex.h"
#include "SqliteHandles.h"

#include <QStringEncoder>
#include <sqlite3.h>
#include <string>

namespace {

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Writes the folded texts of the table's rows into the index in schema `found` of a connection,
// each under the rowid the load gives its row (rows are loaded in the order they are read).
// False when the table has no text column tekst or cannot be read.
bool IndexTexts(sqlite3* db, QByteArray file, const QString& table) {
    const JetHeader header = ReadJetHeader(file.left(JetPageSize));
    const JetPages pages(std::move(file), header.pageKey);
    const JetTableReader reader(pages);
    const uint32_t page = reader.findTable(table);
    if (!page)
        return false;
    const JetTableDefinition def = reader.definition(page);
    int text = -1;
    for (size_t i = 0; i < def.columns.size(); ++i)
        if (def.columns[i].name.compare(QLatin1String("tekst"), Qt::CaseInsensitive) == 0)
            text = int(i);
    if (text < 0 || !def.columns[size_t(text)].isText())
        return false;
    SqliteStatement insert;
    if (PrepareSqlite(db, "INSERT INTO found.vidoslov_search (rowid, folded) VALUES (?, ?)", -1,
                      insert) != SQLITE_OK)
        return false;
    QStringEncoder utf8(QStringEncoder::Utf8);
    std::string bytes, folded;
    sqlite3_int64 rowid = 0;
    bool written = true;
    reader.readRows(def, {text}, [&](const std::vector<JetValue>& values) {
        ++rowid;
        if (values[0].kind != JetValue::Text || !written)
            return;
        const QStringView view(values[0].text.data(), qsizetype(values[0].text.size()));
        bytes.resize(size_t(utf8.requiredSpace(view.size())));
        const char* end = utf8.appendToBuffer(bytes.data(), view);
        FoldUtf8ForSearch(bytes.data(), int(end - bytes.data()), folded);
        sqlite3_bind_int64(insert.get(), 1, rowid);
        sqlite3_bind_text(insert.get(), 2, folded.data(), int(folded.size()), SQLITE_STATIC);
        written = sqlite3_step(insert.get()) == SQLITE_DONE;
        sqlite3_reset(insert.get());
    });
    return written;
}

} // namespace

std::shared_ptr<const JetImage>
BuildIndexedJetImage(QByteArray file, std::shared_future<std::shared_ptr<const JetImage>> image,
                     const QString& cacheKey, const QString& table) {
    SqliteDatabase db;
    bool built = false;
    if (OpenSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db) == SQLITE_OK &&
        Exec(db.get(), "ATTACH ':memory:' AS found")) {
        try {
            CreateBareSearchIndex(db.get(), "found");
            built = Exec(db.get(), "BEGIN") && IndexTexts(db.get(), std::move(file), table) &&
                    Exec(db.get(), "COMMIT");
        } catch (const std::exception&) {
            built = false; // a file the load refuses as well
        }
    }
    // The load's image is awaited in any case: it may still be reading the same file.
    const std::shared_ptr<const JetImage> loaded = image.get();
    if (!built || !loaded || !loaded->copyInto(db.get()))
        return nullptr;
    try {
        if (!Exec(db.get(), "BEGIN"))
            return nullptr;
        CopySearchIndex(db.get(), "found");
        if (!cacheKey.isEmpty())
            MarkJetCacheImage(db.get(), cacheKey);
        if (!Exec(db.get(), "COMMIT") || !Exec(db.get(), "DETACH found"))
            return nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
    auto indexed = loaded->serialized(db.get());
    loaded->setSuccessor(indexed);
    return indexed;
}
