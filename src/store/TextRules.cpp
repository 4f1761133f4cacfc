#include "TextRules.h"

#include <QChar>
#include <algorithm>
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

struct CompiledPattern {
    std::u32string folded;
    // For "%word%" with a word of ASCII characters only: the word, folded. Such a word is found
    // in the bytes of a text directly (AsciiInfixMatch).
    std::string asciiInfix;
};

// The characters outside ASCII that fold to an ASCII letter: the Kelvin sign (to "k") and the
// long s (to "s"), in UTF-8.
bool HoldsFoldingToAscii(const unsigned char* s, size_t n) {
    for (size_t i = 0; i + 1 < n; ++i)
        if ((s[i] == 0xC5 && s[i + 1] == 0xBF) ||
            (s[i] == 0xE2 && i + 2 < n && s[i + 1] == 0x84 && s[i + 2] == 0xAA))
            return true;
    return false;
}

// Whether the folded text holds the word: every ASCII byte of UTF-8 is a character of its own
// and, but for the two above, only ASCII folds to ASCII, so the word's characters lie next to
// each other in the text exactly where its bytes do, in upper or lower case.
bool AsciiInfixMatch(const std::string& word, const unsigned char* s, size_t n) {
    const size_t m = word.size();
    for (size_t at = 0; at + m <= n; ++at) {
        size_t k = 0;
        while (k < m) {
            const unsigned c = s[at + k];
            if ((c - 'A' < 26u ? c + 32 : c) != static_cast<unsigned char>(word[k]))
                break;
            ++k;
        }
        if (k == m)
            return true;
    }
    return false;
}

void FreePattern(void* p) {
    delete static_cast<CompiledPattern*>(p);
}

CompiledPattern* CompilePattern(sqlite3_value* pattern, sqlite3_value* escape) {
    std::u32string raw, esc;
    FoldUtf8(sqlite3_value_text(pattern), sqlite3_value_bytes(pattern), raw);
    if (escape) {
        FoldUtf8(sqlite3_value_text(escape), sqlite3_value_bytes(escape), esc);
        if (esc.size() != 1)
            return nullptr;
    }
    auto* compiled = new CompiledPattern;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char32_t c = raw[i];
        if (!esc.empty() && c == esc[0] && i + 1 < raw.size())
            compiled->folded.push_back(raw[++i]);
        else if (c == U'%')
            compiled->folded.push_back(LikeAnyRun);
        else if (c == U'_')
            compiled->folded.push_back(LikeAnyOne);
        else
            compiled->folded.push_back(c);
    }
    const std::u32string& f = compiled->folded;
    if (f.size() > 2 && f.front() == LikeAnyRun && f.back() == LikeAnyRun &&
        std::all_of(f.begin() + 1, f.end() - 1, [](char32_t c) { return c < 0x80; }))
        compiled->asciiInfix.assign(f.begin() + 1, f.end() - 1);
    return compiled;
}

// like(pattern, text [, escape]), as SQLite calls it for "text LIKE pattern".
void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    auto* pattern = static_cast<CompiledPattern*>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<CompiledPattern> fresh;
    if (!pattern) {
        fresh.reset(CompilePattern(argv[0], argc == 3 ? argv[2] : nullptr));
        if (!fresh)
            return sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
        pattern = fresh.get();
    }
    // A search lays several conditions on the same verse: the text folded last is kept with
    // the bytes it was folded from, and reused when the next text has exactly those bytes.
    thread_local std::string lastBytes;
    thread_local std::u32string text;
    const unsigned char* bytes = sqlite3_value_text(argv[1]);
    const int length = sqlite3_value_bytes(argv[1]);
    const size_t size = bytes ? size_t(length > 0 ? length : 0) : 0;
    if (!pattern->asciiInfix.empty() && !HoldsFoldingToAscii(bytes, size)) {
        const bool matches = AsciiInfixMatch(pattern->asciiInfix, bytes, size);
        if (fresh)
            sqlite3_set_auxdata(ctx, 0, fresh.release(), FreePattern);
        return sqlite3_result_int(ctx, matches);
    }
    if (size != lastBytes.size() || (size > 0 && std::memcmp(lastBytes.data(), bytes, size) != 0)) {
        lastBytes.assign(reinterpret_cast<const char*>(bytes), size);
        FoldUtf8(bytes, int(size), text);
    }
    const bool matches = LikeMatch(pattern->folded, text);
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
