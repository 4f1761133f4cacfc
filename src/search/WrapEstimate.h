#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <vector>

// How high a verse label will be for a text, found fast without the label: the words of a
// text are measured one by one, each once for all the texts (a new word from its letters and
// their pairs, each shaped once), and put on lines the way the label wraps them. It can miss by a
// line where kerning across a blank moves a line's end, so a list corrects it from the label once a
// label is made.
class TWrapEstimate {
public:
    // The font of the label, the width it wraps at and the height of one of its lines.
    TWrapEstimate(const QFont& font, int width, int lineHeight);

    int Height(QStringView text);
    int Lines(QStringView text);
    int Width() const { return int(width_); }

private:
    qreal PieceWidth(QStringView piece);
    int LinesOf(QStringView shown);

    QFontMetricsF metrics_;
    qreal width_;
    qreal blank_;
    int lineHeight_;
    // The widths of the pieces met so far. Their characters lie one after another in one
    // buffer, found through an open table that compares a piece's hash and length before its
    // characters: a look-up is about one memory access, and the memory goes back in a few
    // blocks when the estimate is dropped.
    struct Piece {
        quint32 hash = 0;
        quint32 start = 0;
        quint32 length = 0; // 0: a free slot
        float width = 0;    // widths are in 64ths of a pixel: a float holds them exactly
    };
    void Grow();
    // A new piece's width: its letters' advances and the kerning of each pair of them, each
    // shaped once; a piece of a script that shapes otherwise is shaped whole.
    qreal Measure(QStringView piece);
    qreal Advance(char16_t c);

    std::vector<char16_t> chars_;
    std::vector<Piece> table_; // a power of two long, at most half full
    size_t used_ = 0;
    QHash<char16_t, qreal> advances_;
    QHash<quint32, qreal> kerning_; // by the pair's two characters
};
