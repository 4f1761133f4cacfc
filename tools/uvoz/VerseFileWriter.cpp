#include "VerseFileWriter.h"

#include "FileProperties.h"
#include "ImportError.h"
#include "SearchIndex.h"
#include "TextRules.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

VerseFileWriter::VerseFileWriter(const QString& target) : target_(target) {
    temp_ = std::make_unique<QTemporaryFile>(target + QStringLiteral(".XXXXXX.part"));
    if (!temp_->open())
        throw ImportError(ExitCannotWrite,
                          QStringLiteral("Cannot write in the folder %1: %2")
                              .arg(QFileInfo(target).absolutePath(), temp_->errorString()));
    temp_->close();
    try {
        start();
    } catch (...) {
        release();
        throw;
    }
}

void VerseFileWriter::start() {
    const QByteArray path = temp_->fileName().toUtf8();
    if (OpenSqlite(path.constData(), SQLITE_OPEN_READWRITE, db_) != SQLITE_OK)
        fail(QStringLiteral("open"));
    sqlite3* db = db_.get();
    RegisterTextRules(db);
    // The file is not in use until it is renamed: no journal; one sync at the commit.
    const char* setUp = "PRAGMA journal_mode=OFF; PRAGMA synchronous=NORMAL; BEGIN;";
    if (sqlite3_exec(db, setUp, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, VerseTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, PropertiesTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("create the verse table in"));
    const char* insert = "INSERT INTO vidoslov (knjiga, glava, rbr, tekst, pok) VALUES (?,?,?,?,?)";
    if (PrepareSqlite(db, insert, -1, insert_) != SQLITE_OK)
        fail(QStringLiteral("prepare"));
}

VerseFileWriter::~VerseFileWriter() {
    release();
}

void VerseFileWriter::release() {
    insert_.reset();
    db_.reset();
    temp_.reset(); // removes the temporary file unless it was renamed
}

void VerseFileWriter::fail(const QString& what) const {
    const QString engine = QString::fromUtf8(db_ ? sqlite3_errmsg(db_.get()) : "out of memory");
    throw ImportError(ExitCannotWrite,
                      QStringLiteral("Cannot %1 %2: %3").arg(what, target_, engine));
}

void VerseFileWriter::add(const QString& code, int chapter, int verse, const QString& text,
                          const QString& pok) {
    const QByteArray k = code.toUtf8(), t = text.toUtf8(), p = pok.toUtf8();
    sqlite3_stmt* insert = insert_.get();
    sqlite3_bind_text(insert, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 2, chapter);
    sqlite3_bind_int(insert, 3, verse);
    sqlite3_bind_text(insert, 4, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 5, p.constData(), int(p.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(insert);
    sqlite3_reset(insert);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("write"));
}

void VerseFileWriter::setProperty(const QString& key, const QString& value) {
    SqliteStatement stmt;
    const QByteArray k = key.toUtf8(), v = value.toUtf8();
    int rc = PrepareSqlite(db_.get(), "INSERT OR REPLACE INTO properties (key, value) VALUES (?,?)",
                           -1, stmt);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(stmt.get(), 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt.get(), 2, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(stmt.get());
    }
    stmt.reset();
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("write"));
}

void VerseFileWriter::complete() {
    if (!db_)
        return;
    try {
        BuildSearchIndex(db_.get());
    } catch (const SearchIndexError&) {
        fail(QStringLiteral("write the search index of"));
    }
    // The index's merges leave free pages behind: the file is written again without them.
    if (sqlite3_exec(db_.get(), "COMMIT; VACUUM;", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("complete"));
    insert_.reset();
    if (!CloseSqlite(db_))
        fail(QStringLiteral("close"));
}

void VerseFileWriter::commit() {
    complete();
    temp_->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QByteArray from = temp_->fileName().toUtf8(), to = target_.toUtf8();
    if (std::rename(from.constData(), to.constData()) != 0)
        throw ImportError(ExitCannotWrite,
                          QStringLiteral("Cannot put %1 in place: %2")
                              .arg(target_, QString::fromLocal8Bit(std::strerror(errno))));
    temp_->setAutoRemove(false);
    temp_.reset();
}
