#include "ResultRows.h"

#include <algorithm>

QString NumberTexts::Of(qint64 n) {
    if (n < 0 || n >= Kept)
        return QString::number(n);
    if (texts_.size() <= size_t(n))
        texts_.resize(size_t(n) + 1);
    QString& text = texts_[size_t(n)];
    if (text.isNull())
        text = QString::number(n);
    return text;
}

QString ResultRow::HeadingText() const {
    return QStringLiteral("knjiga : ") + Knjiga + QStringLiteral("  glava: ") + Glava;
}

QString ResultRow::VerseText() const {
    return Rbr + QStringLiteral(". ") + Tekst;
}

namespace {

// The bytes of a text in UTF-8.
qsizetype Utf8Size(QStringView text) {
    qsizetype bytes = 0;
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 || c.isSurrogate() ? 2 : 3;
    return bytes;
}

void AppendUtf8(QByteArray& to, const QString& text) {
    to += text.toUtf8();
}

} // namespace

void TResultRows::Clear(int top, int headingHeight) {
    // The memory of a long list goes back.
    texts_ = QByteArray();
    spans_ = {};
    verseHeights_ = {};
    tops_ = {top};
    settledTo_ = 0;
    top_ = top;
    headingHeight_ = headingHeight;
}

void TResultRows::Reserve(int rows, qsizetype bytes) {
    texts_.reserve(texts_.size() + bytes);
    spans_.reserve(spans_.size() + size_t(rows));
    verseHeights_.reserve(verseHeights_.size() + size_t(rows));
    tops_.reserve(tops_.size() + size_t(rows));
}

qsizetype TResultRows::TextSize(const ResultRow& row) {
    return Utf8Size(row.Knjiga) + Utf8Size(row.Glava) + Utf8Size(row.Rbr) + Utf8Size(row.Tekst);
}

void TResultRows::Add(const ResultRow& row, int verseHeight) {
    Span span{std::uint32_t(texts_.size()), 0, 0, 0};
    AppendUtf8(texts_, row.Knjiga);
    span.knjiga = std::uint32_t(texts_.size() - span.start);
    AppendUtf8(texts_, row.Glava);
    span.glava = std::uint32_t(texts_.size() - span.start - span.knjiga);
    AppendUtf8(texts_, row.Rbr);
    span.rbr = std::uint32_t(texts_.size() - span.start - span.knjiga - span.glava);
    AppendUtf8(texts_, row.Tekst);
    spans_.push_back(span);
    verseHeights_.push_back(verseHeight);
    tops_.push_back(0);
}

qsizetype TResultRows::End(int i) const {
    return size_t(i) + 1 < spans_.size() ? qsizetype(spans_[size_t(i) + 1].start) : texts_.size();
}

ResultRow TResultRows::Row(int i) const {
    const Span& s = spans_[size_t(i)];
    const char* at = texts_.constData() + s.start;
    const qsizetype tekst = s.knjiga + s.glava + s.rbr;
    return ResultRow{QString::fromUtf8(at, s.knjiga), QString::fromUtf8(at + s.knjiga, s.glava),
                     QString::fromUtf8(at + s.knjiga + s.glava, s.rbr),
                     QString::fromUtf8(at + tekst, End(i) - s.start - tekst)};
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
