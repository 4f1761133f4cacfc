#include "WrapEstimate.h"

#include "Kvlabel.h"

namespace {

// A line may break after a dash that a letter follows, as well as at a blank.
bool BreaksAfter(QStringView text, qsizetype i) {
    const QChar c = text[i];
    const bool dash = c == u'-' || c == u'\u2013' || c == u'\u2014';
    return dash && i + 1 < text.size() && !text[i + 1].isSpace() && !text[i + 1].isDigit();
}

} // namespace

TWrapEstimate::TWrapEstimate(const QFont& font, int width, int lineHeight)
    : metrics_(font), width_(qMax(width, 0)), blank_(metrics_.horizontalAdvance(u' ')),
      lineHeight_(lineHeight) {}

qreal TWrapEstimate::PieceWidth(QStringView piece) {
    const auto found = pieces_.constFind(piece);
    if (found != pieces_.cend())
        return *found;
    const QString& text = texts_.emplace_back(piece.toString());
    const qreal w = metrics_.horizontalAdvance(text);
    pieces_.insert(QStringView(text), w);
    return w;
}

int TWrapEstimate::Lines(QStringView text) {
    if (text.contains(u'&'))
        return LinesOf(StripAccelerators(text.toString()));
    return LinesOf(text);
}

int TWrapEstimate::LinesOf(QStringView all) {
    const qsizetype n = all.size();
    int lines = 1;
    qreal used = 0;    // the width of the line so far, without blanks at its end
    qreal blanks = 0;  // blanks waiting before the next piece
    bool empty = true; // nothing on the line yet
    qsizetype i = 0;
    while (i < n) {
        if (all[i] == u' ') {
            blanks += blank_;
            ++i;
            continue;
        }
        // A piece: up to the next blank or just after a dash.
        qsizetype end = i;
        while (end < n && all[end] != u' ' && !BreaksAfter(all, end))
            ++end;
        if (end < n && all[end] != u' ')
            ++end;
        const qreal w = PieceWidth(all.mid(i, end - i));
        if (!empty && used + blanks + w > width_) {
            ++lines;
            used = w;
        } else {
            used += blanks + w;
        }
        blanks = 0;
        empty = false;
        i = end;
    }
    return lines;
}

int TWrapEstimate::Height(QStringView text) {
    return Lines(text) * lineHeight_;
}
