#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <deque>

// How high a verse label will be for a text, found fast without the label: the words of a
// text are measured one by one, each once for all the texts, and put on lines the way the
// label wraps them. It can miss by a line where kerning across a blank moves a line's end,
// so a list corrects it from the label once a label is made.
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
    // The widths of the pieces met so far, looked up without copying the piece; the open
    // table of QHash keeps a look-up to about one memory access.
    std::deque<QString> texts_;
    QHash<QStringView, qreal> pieces_;
};
