#pragma once

#include "QueryBuilder.h"
#include "ResultRows.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class Query;

// The verse table of a translation file held in memory for searching: each verse's text as
// stored and as the search without diacritics folds it (FoldUtf8ForSearch), with its book,
// chapter and verse. A search here finds the verses the search statement (SearchStatement)
// finds on the file, with the same conditions, in the order of the table (as RunStatement lists
// them).
class VerseMemory {
public:
    // Reads the verse table of the query's file (the query's statement is replaced; it is left
    // closed). Nothing when the table has a row whose book is not text or whose chapter or verse
    // is not a whole number, or when `stop` turns true meanwhile. Throws DatabaseError.
    static std::unique_ptr<VerseMemory> Read(Query& q, const std::atomic<bool>* stop = nullptr);

    // The rows of the verses a search finds, in the order of the table. `books` are
    // the codes of the chosen books (SelectedBooks); none for every book.
    std::vector<ResultRow> Find(const SearchWords& words, bool folded,
                                const QStringList& books) const;
    // How many verses the same search finds.
    int Count(const SearchWords& words, bool folded, const QStringList& books) const;

    // The memory the texts take.
    qsizetype Bytes() const;

private:
    struct Book {
        QString code;
        std::u32string folded; // as the table's collation compares it
    };
    struct Verse {
        int book;
        qint64 chapter;
        qint64 verse;
    };
    class Condition;

    VerseMemory() = default;
    std::vector<int> Matching(const SearchWords& words, bool folded,
                              const QStringList& books) const;
    // The verses that may hold the words; byNeedle is set to the condition whose needle each of
    // them is known to hold, if any.
    std::vector<int> Candidates(const std::vector<Condition>& required,
                                const std::vector<Condition>& alternatives,
                                const Condition** byNeedle) const;
    std::string_view Text(int i) const;
    std::string_view Folded(int i) const;

    std::vector<Book> books_;
    std::vector<Verse> verses_;
    std::string texts_;                  // the texts one after another
    std::vector<uint32_t> textEnds_;     // where each ends in texts_
    std::string folded_;                 // the folded texts, each followed by the byte 0xFF
    std::vector<uint32_t> foldedStarts_; // where each begins in folded_, and the end
    std::vector<bool> foldsToAscii_;     // whether a text holds what HoldsFoldingToAscii finds
};
