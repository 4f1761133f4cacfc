#include "ResultRows.h"

#include <algorithm>

QString ResultRow::HeadingText() const {
    return QStringLiteral("knjiga : ") + Knjiga + QStringLiteral("  glava: ") + Glava;
}

QString ResultRow::VerseText() const {
    return Rbr + QStringLiteral(". ") + Tekst;
}

void TResultRows::Clear(int top, int headingHeight) {
    // The memory of a long list goes back.
    rows_ = {};
    verseHeights_ = {};
    tops_ = {top};
    settledTo_ = 0;
    top_ = top;
    headingHeight_ = headingHeight;
}

void TResultRows::Add(ResultRow row, int verseHeight) {
    rows_.push_back(std::move(row));
    verseHeights_.push_back(verseHeight);
    tops_.push_back(0);
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
