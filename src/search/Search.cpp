#include "Search.h"

#include "DataModule.h"
#include "Query.h"

QStringList SearchStatement(const SearchRequest& request) {
    const QString where = TrimSearchText(BuildWordCondition(request.words, request.folded));
    if (where.isEmpty())
        return {};
    return {QString::fromLatin1(SearchSelectLine),
            SearchWhereLine(where, BuildBookCondition(request.oldTestament, request.newTestament))};
}

SearchResult RunSearch(const SearchRequest& request, const QString& programFolder) {
    const QString file =
        request.file.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : request.file;
    SearchResult result;
    result.searched = {request.translation, request.file,
                       request.words.required + request.words.alternatives, request.folded};
    result.statement = SearchStatement(request);
    if (result.statement.isEmpty())
        return result;
    result.rows =
        RunStatement(programFolder.isEmpty() ? TranslationConnectionString(file)
                                             : TranslationConnectionString(file, programFolder),
                     result.statement);
    return result;
}

std::vector<ResultRow> RunStatement(const QString& connection, const QStringList& statement) {
    Query q;
    q.setConnectionString(connection);
    for (const QString& line : statement)
        q.addLine(line);
    q.open();
    std::vector<ResultRow> rows;
    rows.reserve(size_t(q.recordCount()));
    for (q.first(); !q.eof(); q.next())
        rows.push_back(
            {q.fieldAsText(QStringLiteral("knjiga")), q.fieldAsText(QStringLiteral("glava")),
             q.fieldAsText(QStringLiteral("rbr")), q.fieldAsText(QStringLiteral("tekst"))});
    return rows;
}
