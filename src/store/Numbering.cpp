#include "Numbering.h"

#include "BookCatalogue.h"

#include <QList>
#include <algorithm>
#include <array>

extern const char* const DanicicKjvTable; // data/numbering/danicic-kjv.tsv, built in

namespace {

// The rules of each book as a range of the sorted rule list.
struct Index {
    std::vector<NumberingRule> rules;
    std::array<int, BookCatalogue::BookCount + 2> start{};

    Index() : rules(ParseNumberingRules(QByteArray(DanicicKjvTable))) {
        std::stable_sort(
            rules.begin(), rules.end(),
            [](const NumberingRule& a, const NumberingRule& b) { return a.book < b.book; });
        int at = 0;
        for (int book = 0; book <= BookCatalogue::BookCount + 1; ++book) {
            while (at < int(rules.size()) && rules[at].book < book)
                ++at;
            start[book] = at;
        }
    }
};

const Index& TheIndex() {
    static const Index index;
    return index;
}

int BookOfCode(const QByteArray& code) {
    for (int i = 0; i < BookCatalogue::BookCount; ++i)
        if (code == BookCatalogue::Codes[i])
            return i + 1;
    return 0;
}

int Number(const QByteArray& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

} // namespace

QString NameOfNumbering(Numbering numbering) {
    return numbering == Numbering::Danicic ? QStringLiteral("Daničić") : QStringLiteral("KJV");
}

Numbering NumberingOfName(const QString& name) {
    return name == QStringLiteral("Daničić") ? Numbering::Danicic : Numbering::Kjv;
}

std::vector<NumberingRule> ParseNumberingRules(const QByteArray& tsv, int* badLine) {
    std::vector<NumberingRule> rules;
    if (badLine)
        *badLine = 0;
    int number = 0;
    for (const QByteArray& line : tsv.split('\n')) {
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const auto cells = line.split('\t');
        NumberingRule r{};
        bool good = cells.size() == 7 && (r.book = BookOfCode(cells[0])) != 0;
        int* const fields[] = {&r.danicicChapter, &r.danicicFirst, &r.danicicLast,
                               &r.kjvChapter,     &r.kjvFirst,     &r.kjvLast};
        for (int i = 0; good && i < 6; ++i)
            good = (*fields[i] = Number(cells[i + 1])) != 0;
        // A range maps one to one, or one of its sides is a single verse.
        const int d = r.danicicLast - r.danicicFirst, k = r.kjvLast - r.kjvFirst;
        good = good && d >= 0 && k >= 0 && (d == k || d == 0 || k == 0);
        if (!good) {
            if (badLine && !*badLine)
                *badLine = number;
            continue;
        }
        rules.push_back(r);
    }
    return rules;
}

const std::vector<NumberingRule>& NumberingRules() {
    return TheIndex().rules;
}

Place MapPlace(Place place, Numbering from, Numbering to) {
    if (from == to || place.book < 1 || place.book > BookCatalogue::BookCount)
        return place;
    const Index& index = TheIndex();
    const bool toKjv = from == Numbering::Danicic;
    for (int i = index.start[place.book]; i < index.start[place.book + 1]; ++i) {
        const NumberingRule& r = index.rules[i];
        const int chapter = toKjv ? r.danicicChapter : r.kjvChapter;
        const int first = toKjv ? r.danicicFirst : r.kjvFirst;
        const int last = toKjv ? r.danicicLast : r.kjvLast;
        if (place.chapter != chapter || place.verse < first || place.verse > last)
            continue;
        const int toFirst = toKjv ? r.kjvFirst : r.danicicFirst;
        const int toLast = toKjv ? r.kjvLast : r.danicicLast;
        return {place.book, toKjv ? r.kjvChapter : r.danicicChapter,
                std::min(toFirst + place.verse - first, toLast)};
    }
    return place;
}

void MapPlace(const QString& code, int& chapter, int& verse, Numbering from, Numbering to) {
    if (from == to)
        return;
    QString upper = code;
    for (QChar& c : upper)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 32);
    const int book = BookOfCode(upper.toUtf8());
    if (!book)
        return;
    const Place p = MapPlace({book, chapter, verse}, from, to);
    chapter = p.chapter;
    verse = p.verse;
}
