#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A place of the text: book (1..66 of the catalogue), chapter and verse.
struct Place {
    int book = 0, chapter = 0, verse = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

// How a translation file numbers chapters and verses.
enum class Numbering { Kjv, Danicic };

// The names translation files record: "KJV", "Daničić".
QString NameOfNumbering(Numbering numbering);
// The numbering of a recorded name; any other name counts as the KJV's.
Numbering NumberingOfName(const QString& name);

// The place of `from`'s place in `to`'s numbering. A verse one numbering splits maps onto its
// first part, verses one numbering merges onto the one verse; places no rule covers stay.
Place MapPlace(Place place, Numbering from, Numbering to);
// The same for a book given by its code as in `knjiga` (a..z taken as capitals); the chapter and
// verse of a code outside the catalogue stay.
void MapPlace(const QString& code, int& chapter, int& verse, Numbering from, Numbering to);

// The rules of data/numbering/danicic-kjv.tsv: a Daničić range and the KJV range it holds,
// within one book.
struct NumberingRule {
    int book;
    int danicicChapter, danicicFirst, danicicLast;
    int kjvChapter, kjvFirst, kjvLast;
};
// All rules, by book; an empty list when the table cannot be read.
const std::vector<NumberingRule>& NumberingRules();
// The rules of a table's text; the line number of the first bad line in `badLine` (0 if none).
std::vector<NumberingRule> ParseNumberingRules(const QByteArray& tsv, int* badLine = nullptr);
