#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

// One found verse as the results list shows it: a heading with its book and chapter, and the
// verse under it.
struct ResultRow {
    QString Knjiga;
    QString Glava;
    QString Rbr;
    QString Tekst;

    QString HeadingText() const;
    QString VerseText() const;
};

// The texts of the whole numbers of a list's rows (chapters, verses): each small one is made
// once and shared by the rows that show it.
class NumberTexts {
public:
    QString Of(qint64 n);

private:
    static constexpr qint64 Kept = 1000;
    std::vector<QString> texts_;
};

// The rows of a results list stacked from a top down, each as high as its heading and its
// verse. The heights are known before any label is made, and may be corrected as the labels
// of a row are laid out; the rows below then move.
// The texts of all rows lie one after another in one block of UTF-8: a long list the window
// keeps after it closes takes little memory, which goes back whole when the list is cleared.
class TResultRows {
public:
    void Clear(int top, int headingHeight);
    // Room for that many rows whose texts take that many bytes together (TextSize).
    void Reserve(int rows, qsizetype bytes);
    void Add(const ResultRow& row, int verseHeight);
    static qsizetype TextSize(const ResultRow& row);

    int Count() const { return int(spans_.size()); }
    ResultRow Row(int i) const;
    int HeadingHeight() const { return headingHeight_; }
    int VerseHeight(int i) const { return verseHeights_[size_t(i)]; }
    // Where row i's heading and verse begin.
    int HeadingTop(int i) const;
    int VerseTop(int i) const { return HeadingTop(i) + headingHeight_; }
    // Below the last row; the top when there is none.
    int Bottom() const;

    // The rows that meet the band from top to bottom (exclusive): the first and one past
    // the last.
    std::pair<int, int> RowsIn(int top, int bottom) const;
    // The row whose heading or verse holds y, or -1.
    int RowAt(int y) const;

    // The height of row i's verse as its label measured it. True when it differed.
    bool SetVerseHeight(int i, int height);

private:
    // Where a row's texts lie, in bytes: Knjiga, Glava, Rbr, then Tekst up to the next row's
    // start.
    struct Span {
        std::uint32_t start;
        std::uint32_t knjiga;
        std::uint32_t glava;
        std::uint32_t rbr;
    };
    qsizetype End(int i) const;
    void Settle() const;

    QByteArray texts_;
    std::vector<Span> spans_;
    std::vector<int> verseHeights_;
    mutable std::vector<int> tops_; // tops_[i]: row i's heading; tops_[Count()]: the bottom
    mutable int settledTo_ = 0;     // tops_ up to this index are right
    int top_ = 0;
    int headingHeight_ = 0;
};
