#include "ResultRows.h"

#include <algorithm>

QString ResultRow::HeadingText() const {
    return QStringLiteral("knjiga : ") + Knjiga + QStringLiteral("  glava: ") + Glava;
}

QString ResultRow::VerseText() const {
    return Rbr + QStringLiteral(". ") + Tekst;
}

namespace {
const QString VerseStop = QStringLiteral(". ");
} // namespace

void TResultRows::Clear(int top, int headingHeight) {
    // The memory of a long list goes back.
    texts_ = QString();
    spans_ = {};
    verseHeights_ = {};
    tops_ = {top};
    settledTo_ = 0;
    top_ = top;
    headingHeight_ = headingHeight;
}

void TResultRows::Reserve(int rows, qsizetype chars) {
    texts_.reserve(texts_.size() + chars);
    spans_.reserve(spans_.size() + size_t(rows));
    verseHeights_.reserve(verseHeights_.size() + size_t(rows));
    tops_.reserve(tops_.size() + size_t(rows));
}

qsizetype TResultRows::TextSize(const ResultRow& row) {
    return row.Knjiga.size() + row.Glava.size() + row.Rbr.size() + VerseStop.size() +
           row.Tekst.size();
}

void TResultRows::Add(const ResultRow& row, int verseHeight) {
    spans_.push_back(Span{std::uint32_t(texts_.size()), std::uint32_t(row.Knjiga.size()),
                          std::uint32_t(row.Glava.size()), std::uint32_t(row.Rbr.size())});
    texts_ += row.Knjiga;
    texts_ += row.Glava;
    texts_ += row.Rbr;
    texts_ += VerseStop;
    texts_ += row.Tekst;
    verseHeights_.push_back(verseHeight);
    tops_.push_back(0);
}

qsizetype TResultRows::End(int i) const {
    return size_t(i) + 1 < spans_.size() ? qsizetype(spans_[size_t(i) + 1].start) : texts_.size();
}

QStringView TResultRows::VerseText(int i) const {
    const Span& s = spans_[size_t(i)];
    const qsizetype from = qsizetype(s.start) + s.knjiga + s.glava;
    return QStringView(texts_).mid(from, End(i) - from);
}

ResultRow TResultRows::Row(int i) const {
    const Span& s = spans_[size_t(i)];
    const QStringView all(texts_);
    const QStringView verse = VerseText(i);
    return ResultRow{all.mid(s.start, s.knjiga).toString(),
                     all.mid(s.start + s.knjiga, s.glava).toString(), verse.left(s.rbr).toString(),
                     verse.mid(s.rbr + VerseStop.size()).toString()};
}

void TResultRows::Settle() const {
    const int n = Count();
    if (settledTo_ >= n)
        return;
    tops_[0] = top_;
    for (int i = settledTo_; i < n; ++i)
        tops_[size_t(i) + 1] = tops_[size_t(i)] + headingHeight_ + verseHeights_[size_t(i)];
    settledTo_ = n;
}

int TResultRows::HeadingTop(int i) const {
    Settle();
    return tops_[size_t(i)];
}

int TResultRows::Bottom() const {
    return HeadingTop(Count());
}

std::pair<int, int> TResultRows::RowsIn(int top, int bottom) const {
    Settle();
    // Row i meets the band when its top lies above the band's bottom and its bottom below
    // the band's top.
    const auto begin = tops_.begin();
    const auto end = begin + Count();
    const int first = int(std::upper_bound(begin + 1, end + 1, top) - begin) - 1;
    const int last = int(std::lower_bound(begin, end, bottom) - begin);
    return {std::min(first, last), last};
}

int TResultRows::RowAt(int y) const {
    Settle();
    if (Count() == 0 || y < tops_.front() || y >= tops_.back())
        return -1;
    return int(std::upper_bound(tops_.begin(), tops_.end(), y) - tops_.begin()) - 1;
}

bool TResultRows::SetVerseHeight(int i, int height) {
    int& h = verseHeights_[size_t(i)];
    if (h == height)
        return false;
    h = height;
    settledTo_ = std::min(settledTo_, i);
    return true;
}
