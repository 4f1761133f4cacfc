#include "VerseFixture.h"

#include "FileProperties.h"
#include "TextRules.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace {

void Bind(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull())
        sqlite3_bind_null(stmt, index);
    else if (value.typeId() == QMetaType::Int)
        sqlite3_bind_int(stmt, index, value.toInt());
    else {
        const QByteArray text = value.toString().toUtf8(); // NUL characters included
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

} // namespace

void WriteVerseFile(const QString& path, const QVector<FixtureRow>& rows,
                    const QString& numbering) {
    QFile::remove(path);
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create " + path.toStdString());
    RegisterTextRules(db);
    sqlite3_exec(db, VerseTableSchema, nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO vidoslov VALUES (?, ?, ?, ?, ?)", -1, &stmt, nullptr);
    for (const FixtureRow& row : rows) {
        Bind(stmt, 1, row.knjiga);
        Bind(stmt, 2, row.glava);
        Bind(stmt, 3, row.rbr);
        Bind(stmt, 4, row.tekst);
        Bind(stmt, 5, row.pok);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    if (!numbering.isEmpty()) {
        sqlite3_exec(db, PropertiesTableSchema, nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO properties VALUES (?, ?)", -1, &stmt, nullptr);
        Bind(stmt, 1, QString::fromLatin1(NumberingKey));
        Bind(stmt, 2, numbering);
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
    }
    const int rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot write " + path.toStdString());
}
