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
// (FoldForSearch), so that "covek" finds "čovek" and "човек".
QString BuildWordCondition(const SearchWords& words, bool ignoreMarks = false);

// The book restriction, or the empty text when no restriction applies.
QString BuildBookCondition(const TestamentChoice& oldTestament,
                           const TestamentChoice& newTestament);

// The second line of the statement: the trimmed WHERE line and the book restriction.
QString SearchWhereLine(const QString& wordCondition, const QString& bookCondition);

// The first line of every search.
inline constexpr const char* SearchSelectLine = "select * from vidoslov";
