#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One verse of a module as the importer writes it; book 1..66.
struct VerseRow {
    int book = 0, chapter = 0, verse = 0;
    QString text, pok;
};

// What a word is when two texts of one translation in other word forms (Ekavian and
// Ijekavian, Cyrillic or Latin) are compared: Latin, lower case, letters only, without "i"
// and "j" ("вријеме" and "vreme" both give "vreme").
QString WordKey(QStringView word);

// Re-splits the chapters of `rows` that have fewer verses than the same chapter of `model`
// (the same translation, with the verse boundaries kept): the words of the chapter are aligned
// with the model's, each glued verse is cut where the model's verses begin, and the chapter
// takes the model's verse numbers. A chapter is left as it is unless every verse boundary it
// has falls on one of the model's. Both lists are sorted by place. What was done, one line per
// chapter.
QStringList SplitLikeModel(std::vector<VerseRow>& rows, const std::vector<VerseRow>& model);

// A verse that both Serbian modules glue to the next one: it is cut before the sentence that
// begins with `anchor` (words as in the Latin text).
struct GluedVerse {
    int book, chapter, verse;
    const char* anchor;
};
extern const GluedVerse GluedInTheSource[];
extern const int GluedInTheSourceCount;

// Cuts each glued verse before its anchor when the anchor begins a sentence there exactly once;
// the verses after it in its chapter move up by one. One line per verse cut.
QStringList SplitGluedVerses(std::vector<VerseRow>& rows, const GluedVerse* glued, int count);
