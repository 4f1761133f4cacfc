#include "Search.h"

#include "DataModule.h"
#include "Query.h"

QStringList SearchStatement(const SearchRequest& request, bool indexed) {
    return SearchStatement(request.words, request.folded,
                           BuildBookCondition(request.oldTestament, request.newTestament), indexed);
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
    Query q;
    q.setConnectionString(programFolder.isEmpty()
                              ? TranslationConnectionString(file)
                              : TranslationConnectionString(file, programFolder));
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
    // A search's own statement reads only the columns a row shows, not the references.
    for (const QString& line : statement)
        q.addLine(line == QLatin1String(SearchSelectLine)
                      ? QStringLiteral("select knjiga, glava, rbr, tekst from vidoslov")
                      : line);
    q.open();
    std::vector<ResultRow> rows;
    rows.reserve(size_t(q.recordCount()));
    const int knjiga = q.columnIndex(QStringLiteral("knjiga"));
    const int glava = q.columnIndex(QStringLiteral("glava"));
    const int rbr = q.columnIndex(QStringLiteral("rbr"));
    const int tekst = q.columnIndex(QStringLiteral("tekst"));
    for (q.first(); !q.eof(); q.next())
        rows.push_back({q.field(knjiga), q.field(glava), q.field(rbr), q.field(tekst)});
    return rows;
}
