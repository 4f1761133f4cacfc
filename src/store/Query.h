#pragma once

#include "Errors.h"
#include "ReadOnlyFile.h"
#include "SqliteHandles.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

// A query on one translation file, over its own read-only connection. Opening runs the
// statement and reads all its rows into the query, which then stands on the first row.
class JetImage;

class Query {
public:
    Query() = default;
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Allowed only while the query is closed.
    void setConnectionString(const QString& text);
    const QString& connectionString() const { return connectionString_; }
    // The file the connection string names in its Data Source, without trailing blanks.
    static QString DataSourceOf(const QString& connectionString);

    void clearSql() { lines_.clear(); }
    void addLine(const QString& line) { lines_ << line; }
    void copySql(const Query& other) { lines_ = other.lines_; }
    const QStringList& sql() const { return lines_; }
    QString statementText() const { return lines_.join('\n'); }

    // Runs the statement; throws DatabaseError with the engine's text and the file, and stays
    // closed on failure.
    void open();
    // Runs the statement as open does, but hands each row to `row` as the engine gives it
    // (sqlite3_column_* of the statement) instead of keeping the rows; `row` returns the bytes
    // it kept of it, which count against the query's memory limit. `prepared`, if given, sees
    // the statement once before its first row. The query stays closed.
    using RowReader = std::function<qsizetype(sqlite3_stmt*)>;
    void openEach(const RowReader& row,
                  const std::function<void(sqlite3_stmt*)>& prepared = nullptr);
    void close();
    bool isOpen() const { return open_; }
    // Whether the file holds the search index (SearchIndex.h); false when it cannot be opened.
    bool hasSearchIndex();
    // The error of reading the rows of a closed query.
    static DatabaseError ClosedError();
    // Throws ClosedError() unless the query is open.
    void requireOpen() const;

    void first() { row_ = 0; }
    void next() {
        if (row_ < rowCount_)
            ++row_;
    }
    bool eof() const { return row_ >= rowCount_; }
    int recordCount() const { return rowCount_; }
    // The named column of the current row as text; null gives the empty text.
    QString fieldAsText(const QString& column) const;
    // The same by the column's place (columnIndex, which throws for a missing column), for
    // reading many rows.
    int columnIndex(const QString& column) const;
    const QString& field(int column) const {
        return cells_[size_t(row_) * columns_.size() + column];
    }

    // An error text followed by the file of the connection: "no such table: x (file)".
    QString WithFile(const QString& text) const;

private:
    void connect();
    void disconnect();
    void prepareConnection(sqlite3* db);

    QString connectionString_;
    QStringList lines_;
    SqliteDatabase db_;
    std::shared_ptr<const JetImage> jetImage_; // the image of a Jet file db_ is made on
    QueryBudget budget_;                       // of the statement running
    bool open_ = false;
    QStringList columns_;
    std::deque<QString> cells_; // row by row; grows without copying
    int rowCount_ = 0;
    int row_ = 0;
};
