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
    if (sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fail(QStringLiteral("open"));
    RegisterTextRules(db_);
    // The file is not in use until it is renamed: no journal; one sync at the commit.
    const char* setUp = "PRAGMA journal_mode=OFF; PRAGMA synchronous=NORMAL; BEGIN;";
    if (sqlite3_exec(db_, setUp, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, VerseTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, PropertiesTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("create the verse table in"));
    const char* insert = "INSERT INTO vidoslov (knjiga, glava, rbr, tekst, pok) VALUES (?,?,?,?,?)";
    if (sqlite3_prepare_v2(db_, insert, -1, &insert_, nullptr) != SQLITE_OK)
        fail(QStringLiteral("prepare"));
}

VerseFileWriter::~VerseFileWriter() {
    release();
}

void VerseFileWriter::release() {
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    sqlite3_close(db_);
    db_ = nullptr;
    temp_.reset(); // removes the temporary file unless it was renamed
}

void VerseFileWriter::fail(const QString& what) const {
    const QString engine = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory");
    throw ImportError(ExitCannotWrite,
                      QStringLiteral("Cannot %1 %2: %3").arg(what, target_, engine));
}

void VerseFileWriter::add(const QString& code, int chapter, int verse, const QString& text,
                          const QString& pok) {
    const QByteArray k = code.toUtf8(), t = text.toUtf8(), p = pok.toUtf8();
    sqlite3_bind_text(insert_, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(insert_, 2, chapter);
    sqlite3_bind_int(insert_, 3, verse);
    sqlite3_bind_text(insert_, 4, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert_, 5, p.constData(), int(p.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("write"));
}

void VerseFileWriter::setProperty(const QString& key, const QString& value) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray k = key.toUtf8(), v = value.toUtf8();
    int rc = sqlite3_prepare_v2(db_, "INSERT OR REPLACE INTO properties (key, value) VALUES (?,?)",
                                -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(stmt);
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("write"));
}

void VerseFileWriter::complete() {
    if (!db_)
        return;
    try {
        BuildSearchIndex(db_);
    } catch (const SearchIndexError&) {
        fail(QStringLiteral("write the search index of"));
    }
    // The index's merges leave free pages behind: the file is written again without them.
    if (sqlite3_exec(db_, "COMMIT; VACUUM;", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("complete"));
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    if (sqlite3_close(db_) != SQLITE_OK)
        fail(QStringLiteral("close"));
    db_ = nullptr;
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
