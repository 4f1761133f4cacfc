#pragma once

#include <QString>
#include <stdexcept>

struct sqlite3;

// The search index of a translation file: the table vidoslov_search, an FTS5 table whose one
// column `folded` holds each verse's text folded as the search without diacritics folds it
// (FoldForSearch), under the verse's rowid, with a trigram index over it. Any SQLite tool reads
// it. Every search, with or without diacritics, matches only where the folded text holds the
// folded word, so the index may narrow both; the statement's own conditions still decide.
inline constexpr const char* SearchIndexTable = "vidoslov_search";

class SearchIndexError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether the main database of a connection holds the search index.
bool HasSearchIndex(sqlite3* db);

// What a built index keeps: a file keeps the folded texts beside the index, for any SQLite tool
// to read; an in-memory image keeps the index alone (searches read only its rowids), which is
// built in one pass.
enum class IndexedText { Kept, Dropped };

// Writes the index of the verse table into the database of a connection, replacing one that is
// there; inside the caller's transaction, if any. Throws SearchIndexError with the engine's
// text.
void BuildSearchIndex(sqlite3* db, IndexedText text = IndexedText::Kept);

// Creates the index without the texts (IndexedText::Dropped), empty, in a schema of a connection
// (whose rows are then inserted as (rowid, folded)). Throws SearchIndexError.
void CreateBareSearchIndex(sqlite3* db, const char* schema);
// Copies such an index, as it is, from schema `from` into the main database, which has none.
// Throws SearchIndexError.
void CopySearchIndex(sqlite3* db, const char* from);

// Adds (or renews) the index of an existing translation file in one transaction. Throws
// SearchIndexError.
void AddSearchIndex(const QString& path);

// The FTS5 expression that every verse holding `word` matches: its trigrams, folded, joined by
// AND. `word` is the text the statement's `like` looks for (wildcards "%" and "_" split it into
// pieces) or, with literal, a run of text compared as it is; `folded` says it was already
// folded. Empty when no piece has three characters: the index cannot answer it.
QString IndexExpression(const QString& word, bool folded, bool literal = false);
