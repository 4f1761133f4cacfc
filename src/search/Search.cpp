#include "Search.h"

#include "DataModule.h"
#include "KeptVerses.h"
#include "Query.h"

#include <algorithm>
#include <numeric>
#include <sqlite3.h>

namespace {

// A cell's text as the engine gives it.
QString Text(sqlite3_stmt* stmt, int column) {
    const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return v ? QString::fromUtf8(v, sqlite3_column_bytes(stmt, column)) : QString();
}

// A column whose rows repeat the text of the row before (the book, the chapter): the same
// text is shared, not made again.
class TextCell {
public:
    const QString& Read(sqlite3_stmt* stmt, int column) {
        const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const QByteArrayView bytes(v, v ? sqlite3_column_bytes(stmt, column) : 0);
        if (!v || bytes != QByteArrayView(last_)) {
            last_ = bytes.toByteArray();
            text_ = v ? QString::fromUtf8(bytes) : QString();
        }
        return text_;
    }

private:
    QByteArray last_;
    QString text_;
};

// A column of small whole numbers (the verse): each number's text is made once.
class NumberCells {
public:
    QString Read(sqlite3_stmt* stmt, int column) {
        if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER)
            return Text(stmt, column);
        return numbers_.Of(sqlite3_column_int64(stmt, column));
    }

private:
    NumberTexts numbers_;
};

// The place of a named column of a statement, or -1.
int FindColumn(sqlite3_stmt* stmt, QLatin1String name) {
    for (int c = sqlite3_column_count(stmt) - 1; c >= 0; --c)
        if (name.compare(QLatin1String(sqlite3_column_name(stmt, c)), Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int ColumnOf(const Query& q, sqlite3_stmt* stmt, QLatin1String name) {
    if (const int c = FindColumn(stmt, name); c >= 0)
        return c;
    throw DatabaseError(q.WithFile(QStringLiteral("Field '%1' not found").arg(name)));
}

} // namespace

QStringList SearchStatement(const SearchRequest& request, bool indexed) {
    return SearchStatement(request.words, request.folded,
                           BuildBookCondition(request.oldTestament, request.newTestament), indexed);
}

Query& SearchQuery(const QString& connectionString) {
    // The connection, and the pages it has read, stay for the next search of the same file.
    // A file written or replaced since is read afresh.
    thread_local Query q;
    thread_local FileStamp stamp;
    q.close();
    const FileStamp now = StampOf(Query::DataSourceOf(connectionString));
    if (now != stamp)
        q.setConnectionString(QString());
    stamp = now;
    q.setConnectionString(connectionString);
    return q;
}

SearchResult RunSearch(const SearchRequest& request, const QString& programFolder) {
    const QString file =
        request.file.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : request.file;
    SearchResult result;
    result.searched = {request.translation, request.file,
                       request.words.required + request.words.alternatives, request.folded};
    result.request = request;
    if (SearchStatement(request).isEmpty())
        return result;
    const QString connection = programFolder.isEmpty()
                                   ? TranslationConnectionString(file)
                                   : TranslationConnectionString(file, programFolder);
    // Once the file's texts are in memory, they answer; until then the statement reads the file.
    if (const auto verses = KeptVerses(connection)) {
        const QStringList books = SelectedBooks(request.oldTestament, request.newTestament);
        result.statement = SearchStatement(request);
        result.rows = verses->Find(request.words, request.folded, books);
        if (result.rows.empty() && !request.folded)
            result.foldedCount = verses->Count(request.words, true, books);
        return result;
    }
    Query& q = SearchQuery(connection);
    // The index only narrows the verses the statement's own conditions run on.
    result.statement = SearchStatement(request, q.hasSearchIndex());
    result.rows = RunStatement(q, result.statement);
    // A search that finds nothing may find something folded; the results window offers it.
    if (result.rows.empty() && !request.folded)
        result.foldedCount = CountSearch(
            q, request.words, true, BuildBookCondition(request.oldTestament, request.newTestament));
    return result;
}

std::vector<ResultRow> RunStatement(const QString& connection, const QStringList& statement) {
    Query q;
    q.setConnectionString(connection);
    return RunStatement(q, statement);
}

std::vector<ResultRow> RunStatement(Query& q, const QStringList& statement) {
    // A search's own statement reads only the columns a row shows, not the references, and the
    // row's place in the table.
    q.clearSql();
    for (const QString& line : statement)
        q.addLine(line == QLatin1String(SearchSelectLine)
                      ? QStringLiteral("select rowid, knjiga, glava, rbr, tekst from vidoslov")
                      : line);
    std::vector<ResultRow> rows;
    std::vector<sqlite3_int64> places;
    int columns[5] = {};
    TextCell knjiga, glava;
    NumberCells rbr;
    q.openEach(
        [&](sqlite3_stmt* stmt) {
            if (columns[0] >= 0)
                places.push_back(sqlite3_column_int64(stmt, columns[0]));
            rows.push_back({knjiga.Read(stmt, columns[1]), glava.Read(stmt, columns[2]),
                            rbr.Read(stmt, columns[3]), Text(stmt, columns[4])});
            return qsizetype(sizeof(ResultRow)) + 2 * rows.back().Tekst.size() + 56;
        },
        [&](sqlite3_stmt* stmt) {
            const char* names[] = {"knjiga", "glava", "rbr", "tekst"};
            for (int i = 0; i < 4; ++i)
                columns[i + 1] = ColumnOf(q, stmt, QLatin1String(names[i]));
            // A statement of another shape has no place to order by.
            columns[0] = FindColumn(stmt, QLatin1String("rowid"));
        });
    // Found verses are listed in the order of the table, however the engine reached them (by
    // the index on books, for one, when books are chosen).
    if (places.size() == rows.size() && !std::is_sorted(places.begin(), places.end())) {
        std::vector<size_t> order(rows.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return places[a] < places[b]; });
        std::vector<ResultRow> sorted;
        sorted.reserve(rows.size());
        for (const size_t i : order)
            sorted.push_back(std::move(rows[i]));
        rows = std::move(sorted);
    }
    return rows;
}
