#include "VerseMemory.h"

#include "Folding.h"
#include "Phrase.h"
#include "Query.h"
#include "TextRules.h"

#include <QHash>
#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <optional>
#include <sqlite3.h>

namespace {

constexpr char Parting = char(0xFF); // after each folded text; no UTF-8 text holds it
// The most the texts and their foldings may take: some eight times a whole Bible.
constexpr size_t MaxBytes = 64u << 20;

// Whether every verse holding a piece of a pattern also holds its folding as it stands in the
// folded texts: so for any piece of characters of the Basic Multilingual Plane, which fold one
// at a time. A replacement character may stand for bytes the two foldings read differently.
bool FoldsAlike(const QString& piece) {
    return !piece.isEmpty() && std::none_of(piece.begin(), piece.end(), [](QChar c) {
        return c.isSurrogate() || c == QChar::ReplacementCharacter;
    });
}

// The first place from `from` on where the needle (two bytes or more) stands in s[0, n), or n:
// sixteen places at a time tried for the needle's first and last bytes, then compared whole.
size_t FindBytes(const char* s, size_t n, size_t from, std::string_view needle) {
    const size_t m = needle.size();
    if (m > n || from > n - m)
        return n;
    if (m == 1) {
        const void* hit = std::memchr(s + from, needle[0], n - from);
        return hit ? size_t(static_cast<const char*>(hit) - s) : n;
    }
    size_t at = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[m - 1]);
    for (; at + m - 1 + 16 <= n; at += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at + m - 1));
        for (unsigned mask = unsigned(_mm_movemask_epi8(
                 _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
             mask != 0; mask &= mask - 1) {
            const size_t place = at + size_t(__builtin_ctz(mask));
            if (std::memcmp(s + place + 1, needle.data() + 1, m - 2) == 0)
                return place;
        }
    }
#endif
    for (; at + m <= n; ++at)
        if (s[at] == needle[0] && std::memcmp(s + at + 1, needle.data() + 1, m - 1) == 0)
            return at;
    return n;
}

// The longer of two needles.
void KeepLonger(std::string& needle, const QString& piece, bool folded) {
    if (!FoldsAlike(piece))
        return;
    const QByteArray bytes = (folded ? piece : FoldForSearch(piece)).toUtf8();
    if (size_t(bytes.size()) > needle.size())
        needle.assign(bytes.constData(), size_t(bytes.size()));
}

} // namespace

// One word's or phrase's condition on a verse, as the search statement writes it: `like` over
// the text or its folding, or the phrase function.
class VerseMemory::Condition {
public:
    Condition(const QString& entry, bool folded) : folded_(folded) {
        if (IsPhrase(entry)) {
            QString words = PhraseWords(entry).join(u' ');
            if (folded)
                words = FoldForSearch(words);
            words.remove(QChar(u'\0'));
            // The words as the phrase function gets them: through the statement's UTF-8.
            phrase_ = PhraseArgumentWords(QString::fromUtf8(words.toUtf8()));
            for (const QString& word : phrase_)
                KeepLonger(needle_, word, folded);
            return;
        }
        QString word = folded ? FoldForSearch(entry) : entry;
        word.remove(QChar(u'\0'));
        const QByteArray pattern = (u'%' + word + u'%').toUtf8();
        like_.emplace(reinterpret_cast<const unsigned char*>(pattern.constData()),
                      int(pattern.size()));
        QString piece;
        for (const QChar c : word + u'%') {
            if (c != u'%' && c != u'_') {
                piece += c;
                continue;
            }
            KeepLonger(needle_, piece, folded);
            piece.clear();
        }
    }

    // A text every verse it holds has in its folded text; empty when there is none.
    const std::string& Needle() const { return needle_; }

    // mayFoldToAscii: whether the text holds a character HoldsFoldingToAscii looks for;
    // hasNeedle: that the folded text is known to hold the needle.
    bool Holds(std::string_view text, std::string_view foldedText, bool mayFoldToAscii,
               bool hasNeedle = false) const {
        // A verse whose folded text lacks the needle does not hold it: most are told so here.
        if (!hasNeedle && !needle_.empty() &&
            FindBytes(foldedText.data(), foldedText.size(), 0, needle_) == foldedText.size())
            return false;
        const std::string_view subject = folded_ ? foldedText : text;
        if (like_)
            return like_->Matches(reinterpret_cast<const unsigned char*>(subject.data()),
                                  subject.size(), folded_ || mayFoldToAscii);
        return HoldsPhrase(QString::fromUtf8(subject.data(), qsizetype(subject.size())), phrase_);
    }

private:
    bool folded_;
    std::optional<LikePattern> like_;
    QStringList phrase_;
    std::string needle_;
};

std::unique_ptr<VerseMemory> VerseMemory::Read(Query& q, const std::atomic<bool>* stop) {
    std::unique_ptr<VerseMemory> memory(new VerseMemory);
    bool regular = true;
    std::string folded;
    QHash<QByteArray, int> bookOf; // by the code's bytes
    QByteArray bookBytes;          // of the row before
    int book = -1;
    q.close();
    q.clearSql();
    q.addLine(QStringLiteral("select knjiga, glava, rbr, tekst from vidoslov order by rowid"));
    q.openEach([&](sqlite3_stmt* stmt) -> qsizetype {
        if (!regular || (stop && stop->load()))
            return 0;
        if (memory->texts_.size() + memory->folded_.size() > MaxBytes) {
            regular = false; // far beyond any Bible: the file is searched where it is
            return 0;
        }
        if (sqlite3_column_type(stmt, 0) != SQLITE_TEXT ||
            sqlite3_column_type(stmt, 1) != SQLITE_INTEGER ||
            sqlite3_column_type(stmt, 2) != SQLITE_INTEGER) {
            regular = false;
            return 0;
        }
        const int textType = sqlite3_column_type(stmt, 3);
        if (textType == SQLITE_NULL)
            return 0; // no search condition holds for a verse without text
        if (textType != SQLITE_TEXT) {
            regular = false;
            return 0;
        }
        const QByteArrayView code(sqlite3_column_text(stmt, 0), sqlite3_column_bytes(stmt, 0));
        if (book < 0 || code != QByteArrayView(bookBytes)) {
            bookBytes = code.toByteArray();
            const auto known = bookOf.constFind(bookBytes);
            if (known != bookOf.constEnd()) {
                book = *known;
            } else {
                Book added{QString::fromUtf8(code), {}};
                FoldUtf8(reinterpret_cast<const unsigned char*>(code.data()), int(code.size()),
                         added.folded);
                book = int(memory->books_.size());
                memory->books_.push_back(std::move(added));
                bookOf.insert(bookBytes, book);
            }
        }
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3));
        const int length = sqlite3_column_bytes(stmt, 3);
        memory->texts_.append(text, size_t(length));
        memory->foldsToAscii_.push_back(
            HoldsFoldingToAscii(reinterpret_cast<const unsigned char*>(text), size_t(length)));
        memory->textEnds_.push_back(uint32_t(memory->texts_.size()));
        memory->foldedStarts_.push_back(uint32_t(memory->folded_.size()));
        FoldUtf8ForSearch(text, length, folded);
        memory->folded_ += folded;
        memory->folded_ += Parting;
        memory->verses_.push_back(
            {book, sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2)});
        return 2 * qsizetype(length) + qsizetype(sizeof(Verse));
    });
    if (!regular || (stop && stop->load()))
        return nullptr;
    memory->foldedStarts_.push_back(uint32_t(memory->folded_.size()));
    memory->texts_.shrink_to_fit();
    memory->folded_.shrink_to_fit();
    return memory;
}

std::string_view VerseMemory::Text(int i) const {
    const uint32_t from = i > 0 ? textEnds_[size_t(i) - 1] : 0;
    return std::string_view(texts_).substr(from, textEnds_[size_t(i)] - from);
}

std::string_view VerseMemory::Folded(int i) const {
    const uint32_t from = foldedStarts_[size_t(i)];
    return std::string_view(folded_).substr(from, foldedStarts_[size_t(i) + 1] - from - 1);
}

qsizetype VerseMemory::Bytes() const {
    return qsizetype(texts_.capacity() + folded_.capacity() +
                     4 * (textEnds_.capacity() + foldedStarts_.capacity()) +
                     sizeof(Verse) * verses_.capacity());
}

std::vector<int> VerseMemory::Candidates(const std::vector<Condition>& required,
                                         const std::vector<Condition>& alternatives,
                                         const Condition** byNeedle) const {
    // The verses that hold the longest needle of a required word; else those that hold a needle
    // of some alternative, when each has one; else all.
    std::vector<const std::string*> needles;
    *byNeedle = nullptr;
    for (const Condition& c : required)
        if (needles.empty() || c.Needle().size() > needles[0]->size()) {
            needles = {&c.Needle()};
            *byNeedle = &c;
        }
    if (needles.empty() || needles[0]->empty()) {
        needles.clear();
        *byNeedle = nullptr;
        for (const Condition& c : alternatives) {
            if (c.Needle().empty()) {
                needles.clear();
                break;
            }
            needles.push_back(&c.Needle());
        }
    }
    const int count = int(verses_.size());
    std::vector<int> found;
    if (needles.empty()) {
        found.resize(size_t(count));
        for (int i = 0; i < count; ++i)
            found[size_t(i)] = i;
        return found;
    }
    std::vector<bool> holds(needles.size() > 1 ? size_t(count) : 0);
    for (const std::string* needle : needles) {
        const char* text = folded_.data();
        const size_t size = folded_.size();
        size_t verse = 0;
        for (size_t at = FindBytes(text, size, 0, *needle); at < size;) {
            // The verse the needle stands in, and on to the next one.
            while (foldedStarts_[verse + 1] <= at)
                ++verse;
            if (needles.size() > 1)
                holds[verse] = true;
            else
                found.push_back(int(verse));
            at = FindBytes(text, size, foldedStarts_[verse + 1], *needle);
        }
    }
    if (needles.size() > 1)
        for (int i = 0; i < count; ++i)
            if (holds[size_t(i)])
                found.push_back(i);
    return found;
}

std::vector<int> VerseMemory::Matching(const SearchWords& words, bool folded,
                                       const QStringList& books) const {
    const auto conditions = [folded](const QStringList& entries) {
        std::vector<Condition> list;
        for (const QString& entry : entries)
            list.emplace_back(entry, folded);
        return list;
    };
    const std::vector<Condition> required = conditions(words.required);
    const std::vector<Condition> excluded = conditions(words.excluded);
    const std::vector<Condition> alternatives = conditions(words.alternatives);
    if (required.empty() && excluded.empty() && alternatives.empty())
        return {};
    // The chosen books, compared as the book column's collation compares.
    std::vector<bool> chosen(books_.size(), books.isEmpty());
    for (const QString& code : books) {
        const QByteArray bytes = code.toUtf8();
        std::u32string foldedCode;
        FoldUtf8(reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()),
                 foldedCode);
        for (size_t b = 0; b < books_.size(); ++b)
            if (books_[b].folded == foldedCode)
                chosen[b] = true;
    }
    std::vector<int> found;
    // The verses found by one required word's needle are known to hold it.
    const Condition* byNeedle = nullptr;
    for (const int i : Candidates(required, alternatives, &byNeedle)) {
        if (!chosen[size_t(verses_[size_t(i)].book)])
            continue;
        const std::string_view text = Text(i);
        const std::string_view foldedText = Folded(i);
        const bool mayFoldToAscii = foldsToAscii_[size_t(i)];
        const auto holds = [&](const Condition& c) {
            return c.Holds(text, foldedText, mayFoldToAscii, &c == byNeedle);
        };
        if (std::all_of(required.begin(), required.end(), holds) &&
            std::none_of(excluded.begin(), excluded.end(), holds) &&
            (alternatives.empty() || std::any_of(alternatives.begin(), alternatives.end(), holds)))
            found.push_back(i);
    }
    return found;
}

std::vector<ResultRow> VerseMemory::Find(const SearchWords& words, bool folded,
                                         const QStringList& books) const {
    const std::vector<int> found = Matching(words, folded, books);
    std::vector<ResultRow> rows;
    rows.reserve(found.size());
    NumberTexts numbers;
    for (const int i : found) {
        const Verse& v = verses_[size_t(i)];
        const std::string_view text = Text(i);
        rows.push_back({books_[size_t(v.book)].code, numbers.Of(v.chapter), numbers.Of(v.verse),
                        QString::fromUtf8(text.data(), qsizetype(text.size()))});
    }
    return rows;
}

int VerseMemory::Count(const SearchWords& words, bool folded, const QStringList& books) const {
    return int(Matching(words, folded, books).size());
}
