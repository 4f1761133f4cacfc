#include "Query.h"

#include "ConnectionString.h"
#include "EngineText.h"
#include "Errors.h"
#include "Folding.h"
#include "JetImage.h"
#include "Phrase.h"
#include "ReadOnlyFile.h"
#include "SearchIndex.h"
#include "TextRules.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

// What a cell really takes: the string in the row list, and its UTF-16 text (at most two
// bytes per byte of UTF-8) with the header and the rounding of its allocation.
qsizetype CellBytes(int utf8Bytes) {
    return qsizetype(sizeof(QString)) + (utf8Bytes > 0 ? 2 * qsizetype(utf8Bytes) + 48 : 0);
}

} // namespace

Query::~Query() {
    close();
    disconnect();
}

DatabaseError Query::ClosedError() {
    return DatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Query::requireOpen() const {
    if (!open_)
        throw ClosedError();
}

void Query::setConnectionString(const QString& text) {
    if (open_)
        throw DatabaseError(QStringLiteral("Operation is not allowed when the object is open."));
    if (text == connectionString_)
        return;
    disconnect();
    connectionString_ = text;
}

QString Query::DataSourceOf(const QString& connectionString) {
    QString file = ConnectionStringValue(connectionString, QStringLiteral("Data Source"));
    while (file.endsWith(QLatin1Char(' ')))
        file.chop(1);
    return file;
}

QString Query::WithFile(const QString& text) const {
    return QStringLiteral("%1 (%2)").arg(text, DataSourceOf(connectionString_));
}

void Query::connect() {
    if (db_)
        return;
    const QString file = DataSourceOf(connectionString_);
    // A FIFO or device would block the open or be read without end.
    if (QFileInfo::exists(file) && !IsRegularFile(file))
        throw DatabaseError(
            WithFile(QStringLiteral("datoteka ne može da se otvori: to nije obična datoteka")));
    const FileStamp stamp = StampOf(file);
    // A Jet file is read into a shared in-memory image; any other goes to SQLite as it is.
    std::shared_ptr<const JetImage> image;
    SqliteDatabase db = OpenJetDatabase(file, DatabasePasswordOf(connectionString_), &image);
    const int rc = db ? SQLITE_OK : OpenImmutable(file, db);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(rc));
        throw DatabaseError(WithFile(EngineErrorText(text)));
    }
    prepareConnection(db.get());
    const QString table = VerseTableErrorOnce(db.get(), file, stamp);
    if (!table.isEmpty())
        throw DatabaseError(WithFile(table));
    db_ = std::move(db);
    jetImage_ = std::move(image);
}

void Query::prepareConnection(sqlite3* db) {
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, MaxValueBytes);
    RegisterTextRules(db);
    RegisterFolding(db);
    RegisterPhrase(db);
    LimitQuery(db, &budget_);
    sqlite3_exec(db, "PRAGMA cache_size=-16384", nullptr, nullptr, nullptr);
}

bool Query::hasSearchIndex() {
    try {
        connect();
        // A Jet file's image gains its index after the file's first search: a connection
        // without it is made again.
        if (!HasSearchIndex(db_.get())) {
            AskForJetSearchIndex(DataSourceOf(connectionString_));
            disconnect();
            connect();
        }
    } catch (const DatabaseError&) {
        return false;
    }
    return HasSearchIndex(db_.get());
}

void Query::disconnect() {
    db_.reset();
    jetImage_.reset();
}

void Query::open() {
    std::deque<QString> cells;
    QStringList columns;
    int rows = 0;
    const auto names = [&](sqlite3_stmt* stmt) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    };
    openEach(
        [&](sqlite3_stmt* stmt) {
            const int n = int(columns.size());
            qsizetype bytes = 0;
            for (int c = 0; c < n; ++c) {
                const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                const int size = sqlite3_column_bytes(stmt, c);
                cells.push_back(v ? QString::fromUtf8(v, size) : QString());
                bytes += CellBytes(size);
            }
            ++rows;
            return bytes;
        },
        names);
    columns_ = std::move(columns);
    cells_ = std::move(cells);
    rowCount_ = rows;
    row_ = 0;
    open_ = true;
}

void Query::openEach(const RowReader& row, const std::function<void(sqlite3_stmt*)>& prepared) {
    close();
    budget_.start();
    // A Jet image that gained its search index: the connection moves to the copy with it.
    if (const auto indexed = jetImage_ ? jetImage_->successor() : nullptr) {
        SqliteDatabase db = indexed->connect();
        prepareConnection(db.get());
        db_ = std::move(db);
        jetImage_ = indexed;
    }
    connect();
    const QByteArray text = statementText().toUtf8();
    SqliteStatement stmt;
    int rc = PrepareSqlite(db_.get(), text.constData(), int(text.size()), stmt);
    if (rc == SQLITE_OK && !stmt) {
        rc = SQLITE_MISUSE; // nothing but blanks or comments
    }
    long long bytes = 0;
    if (rc == SQLITE_OK) {
        if (prepared)
            prepared(stmt.get());
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            bytes += row(stmt.get());
            if (bytes > MaxQueryBytes) {
                budget_.spend();
                rc = SQLITE_INTERRUPT;
                break;
            }
        }
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    if (rc != SQLITE_OK) {
        const QString message = rc == SQLITE_INTERRUPT && budget_.spent() ? QueryTooCostlyText()
                                : stmt || rc != SQLITE_MISUSE
                                    ? EngineErrorText(QString::fromUtf8(sqlite3_errmsg(db_.get())))
                                    : QStringLiteral("Command text was not set for the command.");
        stmt.reset();
        disconnect(); // the next open starts from a fresh connection
        throw DatabaseError(WithFile(message));
    }
}

void Query::close() {
    open_ = false;
    columns_.clear();
    cells_.clear();
    rowCount_ = 0;
    row_ = 0;
}

int Query::columnIndex(const QString& column) const {
    qsizetype c = columns_.size() - 1;
    while (c >= 0 && columns_[c].compare(column, Qt::CaseInsensitive) != 0)
        --c;
    if (c < 0)
        throw DatabaseError(WithFile(QStringLiteral("Field '%1' not found").arg(column)));
    return int(c);
}

QString Query::fieldAsText(const QString& column) const {
    const int c = columnIndex(column);
    if (eof())
        throw DatabaseError(
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    return field(c);
}
