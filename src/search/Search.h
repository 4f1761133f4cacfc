#pragma once

#include "QueryBuilder.h"
#include "ResultRows.h"
#include "SearchedFor.h"

#include <QStringList>
#include <vector>

class Query;

// A search as the dialog asks for it: the three word lists, the book choice, whether marks
// count, and the translation.
struct SearchRequest {
    SearchWords words;
    TestamentChoice oldTestament;
    TestamentChoice newTestament;
    bool folded = false; // "Bez obzira na kvačice"
    QString file;        // the translation's file in baza/; empty for the default one
    QString translation; // its caption
};

// What a search found: what it looked for, the statement it ran and the rows in the order of the
// verse table.
struct SearchResult {
    SearchedFor searched;
    QStringList statement;
    std::vector<ResultRow> rows;
    SearchRequest request;
    // When nothing was found with the marks: what the search would find without regard to marks
    // and script; -1 when not counted.
    int foldedCount = -1;
};

// The two lines of a request's statement; empty when it names no word.
QStringList SearchStatement(const SearchRequest& request, bool indexed = false);

// Runs a request on its translation in the folder baza/ of a program folder (the running
// program's when empty). Throws DatabaseError when the file cannot be read.
SearchResult RunSearch(const SearchRequest& request, const QString& programFolder);

// The query the searches of this thread run on, closed and set to a connection string. It keeps
// its connection, and the pages it has read, from one search of a file to the next.
Query& SearchQuery(const QString& connectionString);

// The verse rows a statement selects from a translation file, in the order of its verse table.
std::vector<ResultRow> RunStatement(const QString& connection, const QStringList& statement);
// The same on a query of the caller's, whose statement it replaces.
std::vector<ResultRow> RunStatement(Query& q, const QStringList& statement);
