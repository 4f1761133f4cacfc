#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The statement of a search, built as text from the dialog's word lists and book choice.

// The three word lists, in the order of entry.
struct SearchWords {
    QStringList required;     // every one must occur in the verse
    QStringList excluded;     // none may occur
    QStringList alternatives; // at least one must occur
};

// One testament's book list: its books' codes in list order, their marks and the
// whole-testament box.
struct TestamentChoice {
    QStringList codes;
    QList<bool> marked; // by position in codes; missing marks are clear
    bool whole = false;
};

// Removes leading and trailing blanks and control characters (every character up to U+0020).
QString TrimSearchText(const QString& text);

// The WHERE line of the word lists, or the empty text when all three are empty. With
// ignoreMarks every condition compares the folded verse text with the folded word
// (FoldForSearch), so that "covek" finds "čovek" and "човек". An entry in double quotes is a
// phrase (Phrase.h), tested with the phrase function instead of `like`.
QString BuildWordCondition(const SearchWords& words, bool ignoreMarks = false);

// The codes of the books a search is restricted to, in list order; none when it is not.
QStringList SelectedBooks(const TestamentChoice& oldTestament, const TestamentChoice& newTestament);

// The book restriction, or the empty text when no restriction applies.
QString BuildBookCondition(const TestamentChoice& oldTestament,
                           const TestamentChoice& newTestament);

// The second line of the statement: the trimmed WHERE line and the book restriction.
QString SearchWhereLine(const QString& wordCondition, const QString& bookCondition);

// The condition that narrows a search to the verses the search index (SearchIndex.h) finds for
// its required words and, when the index answers every one, its alternatives; empty when the
// index answers none of them and the statement must read every verse. A verse the conditions
// of BuildWordCondition find always meets it.
QString IndexCondition(const SearchWords& words, bool ignoreMarks);

// The two lines of a search statement: the first line, then the WHERE line with the book
// restriction and, on a file with the search index (indexed), the index condition. Empty when
// all three word lists are empty.
QStringList SearchStatement(const SearchWords& words, bool ignoreMarks,
                            const QString& bookCondition, bool indexed);

class Query;

// How many verses the search would find now in the file of the counter's connection string.
// The counter is a query of its own, apart from the windows' queries, so that counts may run on
// another thread; it keeps its connection, and what it has read, from one count to the next.
// Throws DatabaseError.
int CountSearch(Query& counter, const SearchWords& words, bool ignoreMarks,
                const QString& bookCondition);

// The first line of every search.
inline constexpr const char* SearchSelectLine = "select * from vidoslov";
