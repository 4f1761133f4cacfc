#include "HitMarks.h"

#include "Folding.h"
#include "Phrase.h"

#include <algorithm>
#include <vector>

namespace {

// The folded text and, for each of its units, the unit of the text it came from.
struct FoldedText {
    QString text;
    std::vector<qsizetype> from;
};

FoldedText FoldWithOrigins(const QString& text) {
    FoldedText out;
    out.text.reserve(text.size());
    out.from.reserve(size_t(text.size()));
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (c < 0x80) {
            // Plain ASCII folds to itself, capitals to small letters.
            out.text += QChar(c - U'A' < 26u ? c + 32 : c);
            out.from.push_back(i);
            ++i;
            continue;
        }
        const QString folded = FoldCharForSearch(c);
        out.text += folded;
        out.from.insert(out.from.end(), size_t(folded.size()), i);
        i += length;
    }
    return out;
}

// The places of one entry: a word anywhere, a phrase (Phrase.h) where its words follow each
// other. The haystack is the folded text when fold is set.
void AddMatches(const QString& haystack, const QString& entry, bool fold, Qt::CaseSensitivity cs,
                std::vector<std::pair<qsizetype, qsizetype>>& found) {
    if (IsPhrase(entry)) {
        QStringList words = PhraseWords(entry);
        if (fold)
            for (QString& word : words)
                word = FoldForSearch(word);
        const auto matches = PhraseMatches(haystack, words, cs);
        found.insert(found.end(), matches.begin(), matches.end());
        return;
    }
    const QString needle = fold ? FoldForSearch(entry) : entry;
    if (needle.isEmpty())
        return;
    for (qsizetype at = haystack.indexOf(needle, 0, cs); at >= 0;
         at = haystack.indexOf(needle, at + 1, cs))
        found.emplace_back(at, at + needle.size());
}

// The length of the character at i: two for a surrogate pair.
qsizetype CharEnd(const QString& text, qsizetype i) {
    const bool pair =
        i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
    return i + (pair ? 2 : 1);
}

} // namespace

QList<HitRange> HitRanges(const QString& text, const QStringList& words, bool folded) {
    std::vector<std::pair<qsizetype, qsizetype>> found; // [start, end) in text
    if (folded) {
        const FoldedText f = FoldWithOrigins(text);
        std::vector<std::pair<qsizetype, qsizetype>> inFolded;
        for (const QString& word : words)
            AddMatches(f.text, word, true, Qt::CaseSensitive, inFolded);
        for (const auto& [start, end] : inFolded)
            found.emplace_back(f.from[size_t(start)], CharEnd(text, f.from[size_t(end - 1)]));
    } else {
        for (const QString& word : words)
            AddMatches(text, word, false, Qt::CaseInsensitive, found);
    }
    std::sort(found.begin(), found.end());
    QList<HitRange> ranges;
    qsizetype end = -1;
    for (const auto& [s, e] : found) {
        if (!ranges.isEmpty() && s <= end) {
            end = std::max(end, e);
            ranges.last().length = end - ranges.last().start;
            continue;
        }
        ranges.append({s, e - s});
        end = e;
    }
    return ranges;
}
