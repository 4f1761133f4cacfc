#include "WrapEstimate.h"

#include "Kvlabel.h"

#include <algorithm>

namespace {

// A line may break after a dash that a letter follows, as well as at a blank.
bool BreaksAfter(QStringView text, qsizetype i) {
    const QChar c = text[i];
    const bool dash = c == u'-' || c == u'\u2013' || c == u'\u2014';
    return dash && i + 1 < text.size() && !text[i + 1].isSpace() && !text[i + 1].isDigit();
}

// Hebrew and the scripts after it may join, reorder or combine their letters.
constexpr char16_t FirstComplexScript = 0x0590;

} // namespace

TWrapEstimate::TWrapEstimate(const QFont& font, int width, int lineHeight)
    : metrics_(font), width_(qMax(width, 0)), blank_(metrics_.horizontalAdvance(u' ')),
      lineHeight_(lineHeight) {}

qreal TWrapEstimate::PieceWidth(QStringView piece) {
    quint32 hash = 2166136261u; // FNV-1a over the characters
    for (const QChar c : piece)
        hash = (hash ^ c.unicode()) * 16777619u;
    const auto length = quint32(piece.size());
    if (table_.empty())
        Grow();
    const size_t mask = table_.size() - 1;
    size_t at = hash & mask;
    for (; table_[at].length != 0; at = (at + 1) & mask) {
        const Piece& p = table_[at];
        if (p.hash == hash && p.length == length &&
            std::equal(piece.utf16(), piece.utf16() + length, chars_.data() + p.start))
            return p.width;
    }
    const auto width = float(Measure(piece));
    table_[at] = Piece{hash, quint32(chars_.size()), length, width};
    chars_.insert(chars_.end(), piece.utf16(), piece.utf16() + length);
    if (2 * ++used_ > table_.size())
        Grow();
    return width;
}

qreal TWrapEstimate::Advance(char16_t c) {
    const auto found = advances_.constFind(c);
    if (found != advances_.cend())
        return *found;
    const qreal w = metrics_.horizontalAdvance(QChar(c));
    advances_.insert(c, w);
    return w;
}

qreal TWrapEstimate::Measure(QStringView piece) {
    // Latin, Greek and Cyrillic letters shape one by one, with kerning between neighbours.
    const bool simple = std::all_of(piece.begin(), piece.end(), [](QChar c) {
        return c.unicode() < FirstComplexScript && !c.isMark() && !c.isSurrogate();
    });
    if (!simple)
        return metrics_.horizontalAdvance(piece.toString());
    qreal width = 0;
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const char16_t c = piece[i].unicode();
        width += Advance(c);
        if (i + 1 == piece.size())
            break;
        const char16_t next = piece[i + 1].unicode();
        const quint32 pair = quint32(c) << 16 | next;
        auto kern = kerning_.constFind(pair);
        if (kern == kerning_.cend())
            kern = kerning_.insert(pair, metrics_.horizontalAdvance(piece.mid(i, 2).toString()) -
                                             Advance(c) - Advance(next));
        width += *kern;
    }
    return width;
}

void TWrapEstimate::Grow() {
    std::vector<Piece> old = std::move(table_);
    table_.assign(std::max<size_t>(1024, 2 * old.size()), Piece());
    const size_t mask = table_.size() - 1;
    for (const Piece& p : old) {
        if (p.length == 0)
            continue;
        size_t at = p.hash & mask;
        while (table_[at].length != 0)
            at = (at + 1) & mask;
        table_[at] = p;
    }
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
