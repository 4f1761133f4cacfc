#include "VerseRepair.h"

#include "BookCatalogue.h"

#include <algorithm>
#include <cstdint>

const GluedVerse GluedInTheSource[] = {
    {40, 12, 49, "Jer ko izvršuje"}, // Matthew 12:49-50
    {22, 5, 16, "Kuda otide dragi"}, // Song of Songs 5:16-17
};
const int GluedInTheSourceCount = int(std::size(GluedInTheSource));

namespace {

// Serbian Cyrillic а..џ (U+0430..U+045F) in Latin, as far as WordKey needs it.
const char16_t* LatinOf(char16_t c) {
    static const char16_t* const Lower[] = {u"a", u"b", u"v", u"g", u"d", u"e", u"ž",  u"z",
                                            u"i", u"i", u"k", u"l", u"m", u"n", u"o",  u"p",
                                            u"r", u"s", u"t", u"u", u"f", u"h", u"c",  u"č",
                                            u"š", u"š", u"",  u"",  u"",  u"e", u"ju", u"ja"};
    if (c >= 0x430 && c < 0x450)
        return Lower[c - 0x430];
    switch (c) {
    case 0x452:
        return u"đ";
    case 0x458:
        return u"j";
    case 0x459:
        return u"lj";
    case 0x45A:
        return u"nj";
    case 0x45B:
        return u"ć";
    case 0x45F:
        return u"dž";
    default:
        return nullptr;
    }
}

QString CodeOf(int book) {
    return QString::fromUtf8(BookCatalogue::Codes[book - 1]);
}

bool EndsSentence(QStringView word) {
    while (!word.isEmpty() && (word.back() == u'"' || word.back() == u'\u201C' ||
                               word.back() == u'\u201D' || word.back() == u')'))
        word.chop(1);
    return !word.isEmpty() && (word.back() == '.' || word.back() == '!' || word.back() == '?');
}

bool EndsClause(QStringView word) {
    return EndsSentence(word) || word.endsWith(',') || word.endsWith(';') || word.endsWith(':');
}

struct Chapter {
    qsizetype from, to; // rows [from, to)
};

std::vector<Chapter> Chapters(const std::vector<VerseRow>& rows) {
    std::vector<Chapter> chapters;
    for (qsizetype i = 0; i < qsizetype(rows.size());) {
        qsizetype j = i;
        while (j < qsizetype(rows.size()) && rows[j].book == rows[i].book &&
               rows[j].chapter == rows[i].chapter)
            ++j;
        chapters.push_back({i, j});
        i = j;
    }
    return chapters;
}

// The words of a chapter's verses and where each verse begins.
struct Words {
    QStringList words, keys;
    std::vector<int> starts;
};

Words WordsOf(const std::vector<VerseRow>& rows, Chapter c) {
    Words w;
    for (qsizetype i = c.from; i < c.to; ++i) {
        w.starts.push_back(int(w.words.size()));
        for (const QString& word : rows[i].text.split(' ', Qt::SkipEmptyParts)) {
            w.words << word;
            w.keys << WordKey(word);
        }
    }
    return w;
}

// The pairs (own word, model word) of a longest common subsequence of the keys.
std::vector<std::pair<int, int>> Align(const QStringList& a, const QStringList& b) {
    const qsizetype n = a.size(), m = b.size();
    std::vector<uint16_t> len(size_t((n + 1) * (m + 1)), 0);
    const auto at = [&](qsizetype i, qsizetype j) -> uint16_t& {
        return len[size_t(i * (m + 1) + j)];
    };
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = a[i] == b[j] && !a[i].isEmpty() ? at(i + 1, j + 1) + 1
                                                       : std::max(at(i + 1, j), at(i, j + 1));
    std::vector<std::pair<int, int>> pairs;
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (a[i] == b[j] && !a[i].isEmpty()) {
            pairs.emplace_back(int(i++), int(j++));
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return pairs;
}

// Where in the own words the model word `start` falls, put on a verse boundary or after a
// punctuation mark near it.
int CutFor(int start, const std::vector<std::pair<int, int>>& pairs, const Words& own) {
    const auto found =
        std::lower_bound(pairs.begin(), pairs.end(), start,
                         [](const std::pair<int, int>& p, int s) { return p.second < s; });
    int cut = found == pairs.end() ? int(own.words.size()) : found->first - (found->second - start);
    for (int d = 0; d <= 3; ++d)
        for (const int c : {cut - d, cut + d})
            if (std::find(own.starts.begin(), own.starts.end(), c) != own.starts.end())
                return c;
    for (int d = 0; d <= 3; ++d)
        for (const int c : {cut - d, cut + d})
            if (c > 0 && c < own.words.size() && EndsClause(own.words[c - 1]))
                return c;
    return cut;
}

QString Joined(const QStringList& words, int from, int to) {
    return words.mid(from, to - from).join(' ');
}

} // namespace

QString WordKey(QStringView word) {
    QString key;
    for (const QChar ch : word) {
        const QChar c = ch.toLower();
        if (const char16_t* latin = LatinOf(c.unicode())) {
            for (; *latin; ++latin)
                if (*latin != u'i' && *latin != u'j')
                    key += QChar(*latin);
        } else if (c.isLetter() && c != 'i' && c != 'j') {
            key += c;
        }
    }
    return key;
}

QStringList SplitLikeModel(std::vector<VerseRow>& rows, const std::vector<VerseRow>& model) {
    QStringList done;
    std::vector<VerseRow> out;
    out.reserve(rows.size() + 64);
    const std::vector<Chapter> modelChapters = Chapters(model);
    size_t mc = 0;
    for (const Chapter c : Chapters(rows)) {
        const VerseRow& head = rows[c.from];
        while (mc < modelChapters.size() && std::make_pair(model[modelChapters[mc].from].book,
                                                           model[modelChapters[mc].from].chapter) <
                                                std::make_pair(head.book, head.chapter))
            ++mc;
        const bool matched = mc < modelChapters.size() &&
                             model[modelChapters[mc].from].book == head.book &&
                             model[modelChapters[mc].from].chapter == head.chapter;
        const auto keep = [&] {
            out.insert(out.end(), rows.begin() + c.from, rows.begin() + c.to);
        };
        if (!matched || modelChapters[mc].to - modelChapters[mc].from <= c.to - c.from) {
            keep();
            continue;
        }
        const Chapter m = modelChapters[mc];
        const Words own = WordsOf(rows, c), theirs = WordsOf(model, m);
        const auto pairs = Align(own.keys, theirs.keys);
        std::vector<int> cuts{0};
        for (size_t v = 1; v < theirs.starts.size(); ++v)
            cuts.push_back(CutFor(theirs.starts[v], pairs, own));
        cuts.push_back(int(own.words.size()));
        bool sound = std::is_sorted(cuts.begin(), cuts.end()) &&
                     std::adjacent_find(cuts.begin(), cuts.end()) == cuts.end();
        for (const int s : own.starts)
            sound = sound && std::find(cuts.begin(), cuts.end(), s) != cuts.end();
        const QString chapter = QStringLiteral("%1 %2").arg(CodeOf(head.book)).arg(head.chapter);
        if (!sound) {
            done << QStringLiteral("%1: its verses could not be aligned with the model's; left "
                                   "as it was.")
                        .arg(chapter);
            keep();
            continue;
        }
        QStringList split;
        for (qsizetype v = 0; v + 1 < qsizetype(cuts.size()); ++v) {
            VerseRow row{head.book,
                         head.chapter,
                         model[m.from + v].verse,
                         Joined(own.words, cuts[v], cuts[v + 1]),
                         {}};
            const auto start = std::find(own.starts.begin(), own.starts.end(), cuts[v]);
            if (start != own.starts.end()) {
                const VerseRow& old = rows[c.from + (start - own.starts.begin())];
                row.pok = old.pok;
                const int next =
                    start + 1 == own.starts.end() ? int(own.words.size()) : *(start + 1);
                const qsizetype parts =
                    std::find(cuts.begin(), cuts.end(), next) - cuts.begin() - v;
                if (parts > 1)
                    split << QStringLiteral("%1 into %2:%3-%4")
                                 .arg(old.verse)
                                 .arg(head.chapter)
                                 .arg(row.verse)
                                 .arg(model[m.from + v + parts - 1].verse);
            }
            out.push_back(std::move(row));
        }
        done << QStringLiteral("%1: split verse %2; %3 verses as in the model.")
                    .arg(chapter, split.join(QStringLiteral(", verse ")))
                    .arg(cuts.size() - 1);
    }
    rows = std::move(out);
    return done;
}

QStringList SplitGluedVerses(std::vector<VerseRow>& rows, const GluedVerse* glued, int count) {
    QStringList done;
    for (int g = 0; g < count; ++g) {
        const GluedVerse& v = glued[g];
        const auto at = std::find_if(rows.begin(), rows.end(), [&](const VerseRow& r) {
            return r.book == v.book && r.chapter == v.chapter && r.verse == v.verse;
        });
        if (at == rows.end())
            continue;
        const QStringList words = at->text.split(' ', Qt::SkipEmptyParts);
        QStringList anchor;
        for (const QString& w : QString::fromUtf8(v.anchor).split(' '))
            anchor << WordKey(w);
        int cut = -1, found = 0;
        for (int i = 1; i + anchor.size() <= words.size(); ++i) {
            bool same = EndsSentence(words[i - 1]);
            for (int k = 0; same && k < anchor.size(); ++k)
                same = WordKey(words[i + k]) == anchor[k];
            if (same) {
                cut = i;
                ++found;
            }
        }
        const QString place =
            QStringLiteral("%1 %2:%3").arg(CodeOf(v.book)).arg(v.chapter).arg(v.verse);
        if (found != 1) {
            done << QStringLiteral("%1: the sentence of the next verse was not found; left as it "
                                   "was.")
                        .arg(place);
            continue;
        }
        for (auto r = at + 1; r != rows.end() && r->book == v.book && r->chapter == v.chapter; ++r)
            ++r->verse;
        VerseRow next{v.book, v.chapter, v.verse + 1, Joined(words, cut, int(words.size())), {}};
        at->text = Joined(words, 0, cut);
        rows.insert(at + 1, std::move(next));
        done << QStringLiteral("%1: split where verse %2 begins.").arg(place).arg(v.verse + 1);
    }
    return done;
}
