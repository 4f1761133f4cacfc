#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct sqlite3;

// A phrase is an entry in double quotes ("neka bude", also „neka bude“ or “neka bude”): its
// words are found next to each other, in that order, with nothing but blanks and punctuation
// between them. The first word may end a longer word and the last may begin one, as any
// searched word may; the words between are whole.

// Whether an entry, blanks around it aside, is a phrase.
bool IsPhrase(const QString& entry);
// The words of a phrase entry, without its quotes.
QStringList PhraseWords(const QString& entry);

// Where the phrase of `words` occurs in a text: [start, end) in UTF-16 units, leftmost first.
// The text and the words compare with the given letter case sensitivity.
std::vector<std::pair<qsizetype, qsizetype>>
PhraseMatches(const QString& text, const QStringList& words, Qt::CaseSensitivity cs);

// The words of the phrase function's second argument: its blank-separated words.
QStringList PhraseArgumentWords(const QString& words);
// Whether a text holds the phrase of those words in any letter case, as the phrase function
// says; every text holds a phrase of no words.
bool HoldsPhrase(const QString& text, const QStringList& words);

// The SQL function phrase(text, words) on a connection: 1 when the text holds the phrase of the
// blank-separated words in any letter case, 0 when not, NULL for a NULL text.
inline constexpr const char* PhraseFunction = "phrase";
void RegisterPhrase(sqlite3* db);
