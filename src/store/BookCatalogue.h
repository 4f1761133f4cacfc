#pragma once

#include <QString>

// The 66 books: codes as stored in `knjiga`, titles as the user reads them. Books 1..39 are
// the Old Testament, 40..66 the New. Index 0 is not used.
class BookCatalogue {
public:
    static constexpr int BookCount = 66;
    static constexpr int LastOldTestamentBook = 39;

    QString BookCodes[BookCount + 1];
    QString BookTitles[BookCount + 1];

    void FillBookCatalogue();
    // The code of the book with exactly this title, or the empty text.
    QString BookCodeOfTitle(const QString& title) const;
    // The title of the book with this code (a..z taken as capitals), or the empty text.
    QString BookTitleOfCode(const QString& code) const;
    // Whether the code (a..z taken as capitals) is one of the 66, filled or not.
    static bool IsBookCode(const QString& code);

    // The fixed table the catalogue is filled from.
    static const char* const Codes[BookCount];
    static const char* const Titles[BookCount];
};
