#include "TextRules.h"

#include <QChar>
#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>

void FoldUtf8(const unsigned char* s, int n, std::u32string& out) {
    out.resize(size_t(n > 0 ? n : 0)); // a code point takes at least one byte
    char32_t* o = out.data();
    int i = 0;
    while (i < n) {
        const unsigned c = s[i];
        if (c < 0x80) {
            *o++ = c - 'A' < 26u ? c + 32 : c;
            ++i;
            continue;
        }
        char32_t cp;
        int extra;
        char32_t least; // the smallest code point that needs this many bytes
        if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
            least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
            least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            extra = 3;
            least = 0x10000;
        } else {
            *o++ = 0xFFFD;
            ++i;
            continue;
        }
        ++i;
        for (; extra > 0 && i < n && (s[i] & 0xC0) == 0x80; --extra, ++i)
            cp = (cp << 6) | (s[i] & 0x3F);
        // Cut short, overlong, a surrogate or beyond Unicode: one replacement character. This
        // also keeps LikeAnyRun and LikeAnyOne out of reach of any text.
        const bool valid =
            extra == 0 && cp >= least && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        *o++ = valid ? QChar::toCaseFolded(cp) : 0xFFFD;
    }
    out.resize(size_t(o - out.data()));
}

namespace {

// Whether `length` characters of a pattern segment match the text they are laid on.
bool SegmentAt(const char32_t* p, size_t length, const char32_t* t) {
    for (size_t k = 0; k < length; ++k)
        if (p[k] != LikeAnyOne && p[k] != t[k])
            return false;
    return true;
}

// The first place in t[from, to) where a segment (no LikeAnyRun) matches, or npos.
size_t FindSegment(const char32_t* p, size_t length, const std::u32string& t, size_t from,
                   size_t to) {
    const char32_t first = p[0];
    for (size_t at = from; at + length <= to; ++at) {
        if (first != LikeAnyOne) {
            at = std::u32string_view(t.data(), to - length + 1).find(first, at);
            if (at == std::u32string_view::npos)
                return at;
        }
        if (SegmentAt(p, length, t.data() + at))
            return at;
    }
    return std::u32string::npos;
}

} // namespace

// The pattern is a row of segments between LikeAnyRun marks: the first must match at the start
// of the text, the last at its end, and those between, in order, anywhere between them; the
// leftmost place of each leaves the most room for the rest.
bool LikeMatch(const std::u32string& p, const std::u32string& t) {
    const size_t firstRun = p.find(LikeAnyRun);
    if (firstRun == std::u32string::npos)
        return p.size() == t.size() && SegmentAt(p.data(), p.size(), t.data());
    const size_t lastRun = p.rfind(LikeAnyRun);
    const size_t tail = p.size() - lastRun - 1;
    if (firstRun + tail > t.size() || !SegmentAt(p.data(), firstRun, t.data()))
        return false;
    const size_t end = t.size() - tail;
    if (!SegmentAt(p.data() + lastRun + 1, tail, t.data() + end))
        return false;
    size_t ti = firstRun;
    for (size_t pi = firstRun + 1; pi <= lastRun;) {
        const size_t next = p.find(LikeAnyRun, pi);
        const size_t length = next - pi;
        if (length > 0) {
            const size_t at = FindSegment(p.data() + pi, length, t, ti, end);
            if (at == std::u32string::npos)
                return false;
            ti = at + length;
        }
        pi = next + 1;
    }
    return true;
}

namespace {

int FoldCompare(void*, int n1, const void* s1, int n2, const void* s2) {
    // The ASCII start of both is compared as it folds, a byte at a time; the rest from the first
    // other character folded whole.
    const auto* p1 = static_cast<const unsigned char*>(s1);
    const auto* p2 = static_cast<const unsigned char*>(s2);
    const int shorter = std::min(n1, n2);
    int i = 0;
    for (; i < shorter && (p1[i] | p2[i]) < 0x80; ++i) {
        const unsigned c1 = unsigned(p1[i] - 'A') < 26u ? p1[i] + 32u : p1[i];
        const unsigned c2 = unsigned(p2[i] - 'A') < 26u ? p2[i] + 32u : p2[i];
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
    }
    if (i == shorter)
        return n1 == n2 ? 0 : (n1 < n2 ? -1 : 1);
    thread_local std::u32string a, b;
    FoldUtf8(p1 + i, n1 - i, a);
    FoldUtf8(p2 + i, n2 - i, b);
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace

bool HoldsFoldingToAscii(const unsigned char* s, size_t n) {
    for (size_t i = 0; i + 1 < n; ++i)
        if ((s[i] == 0xC5 && s[i + 1] == 0xBF) ||
            (s[i] == 0xE2 && i + 2 < n && s[i + 1] == 0x84 && s[i + 2] == 0xAA))
            return true;
    return false;
}

namespace {

// Whether the folded text holds the word: every ASCII byte of UTF-8 is a character of its own
// and, but for the two above, only ASCII folds to ASCII, so the word's characters lie next to
// each other in the text exactly where its bytes do, in upper or lower case.
// Whether the word stands at s[at, at + m) in upper or lower case.
bool AsciiWordAt(const std::string& word, const unsigned char* s) {
    for (size_t k = 0; k < word.size(); ++k) {
        const unsigned c = s[k];
        if ((c - 'A' < 26u ? c + 32 : c) != static_cast<unsigned char>(word[k]))
            return false;
    }
    return true;
}

bool AsciiInfixMatch(const std::string& word, const unsigned char* s, size_t n) {
    const size_t m = word.size();
    if (m > n)
        return false;
    size_t at = 0;
#if defined(__SSE2__)
    // Sixteen places at a time are tried for the word's first and last letters, in either case
    // (a capital letter differs from its small one by the bit 0x20 alone), then compared whole.
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i first = _mm_set1_epi8(char(word[0] | 0x20));
    const __m128i last = _mm_set1_epi8(char(word[m - 1] | 0x20));
    for (; at + m - 1 + 16 <= n; at += 16) {
        const __m128i a =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at)), caseBit);
        const __m128i b = _mm_or_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at + m - 1)), caseBit);
        for (unsigned mask = unsigned(_mm_movemask_epi8(
                 _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
             mask != 0; mask &= mask - 1)
            if (AsciiWordAt(word, s + at + size_t(__builtin_ctz(mask))))
                return true;
    }
#endif
    for (; at + m <= n; ++at)
        if (AsciiWordAt(word, s + at))
            return true;
    return false;
}

} // namespace

LikePattern::LikePattern(const unsigned char* pattern, int length, char32_t escape) {
    std::u32string raw;
    FoldUtf8(pattern, length, raw);
    for (size_t i = 0; i < raw.size(); ++i) {
        const char32_t c = raw[i];
        if (c == escape && i + 1 < raw.size())
            folded_.push_back(raw[++i]);
        else if (c == U'%')
            folded_.push_back(LikeAnyRun);
        else if (c == U'_')
            folded_.push_back(LikeAnyOne);
        else
            folded_.push_back(c);
    }
    if (folded_.size() > 2 && folded_.front() == LikeAnyRun && folded_.back() == LikeAnyRun &&
        std::all_of(folded_.begin() + 1, folded_.end() - 1, [](char32_t c) { return c < 0x80; }))
        asciiInfix_.assign(folded_.begin() + 1, folded_.end() - 1);
}

bool LikePattern::Matches(const unsigned char* text, size_t length, bool mayFoldToAscii) const {
    if (!asciiInfix_.empty() && !(mayFoldToAscii && HoldsFoldingToAscii(text, length)))
        return AsciiInfixMatch(asciiInfix_, text, length);
    // Several conditions are laid on the same text one after another: the text folded last is
    // kept with the bytes it was folded from, and reused when the next text has exactly those.
    thread_local std::string lastBytes;
    thread_local std::u32string folded;
    if (length != lastBytes.size() ||
        (length > 0 && std::memcmp(lastBytes.data(), text, length) != 0)) {
        lastBytes.assign(reinterpret_cast<const char*>(text), length);
        FoldUtf8(text, int(length), folded);
    }
    return LikeMatch(folded_, folded);
}

namespace {

void FreePattern(void* p) {
    delete static_cast<LikePattern*>(p);
}

// like(pattern, text [, escape]), as SQLite calls it for "text LIKE pattern".
void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<LikePattern> fresh;
    if (!pattern) {
        char32_t escape = LikePattern::NoEscape;
        if (argc == 3) {
            std::u32string esc;
            FoldUtf8(sqlite3_value_text(argv[2]), sqlite3_value_bytes(argv[2]), esc);
            if (esc.size() != 1)
                return sqlite3_result_error(ctx, "ESCAPE expression must be a single character",
                                            -1);
            escape = esc[0];
        }
        fresh = std::make_unique<LikePattern>(sqlite3_value_text(argv[0]),
                                              sqlite3_value_bytes(argv[0]), escape);
        pattern = fresh.get();
    }
    const unsigned char* bytes = sqlite3_value_text(argv[1]);
    const int length = sqlite3_value_bytes(argv[1]);
    const bool matches = pattern->Matches(bytes, bytes && length > 0 ? size_t(length) : 0);
    if (fresh) // kept for the next rows of the same statement
        sqlite3_set_auxdata(ctx, 0, fresh.release(), FreePattern);
    sqlite3_result_int(ctx, matches);
}

} // namespace

void RegisterTextRules(sqlite3* db) {
    for (const char* name : {"NOCASE", "FOLD"})
        sqlite3_create_collation(db, name, SQLITE_UTF8, nullptr, FoldCompare);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
}
