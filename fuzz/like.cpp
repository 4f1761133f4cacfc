// The letter-case-blind `like` of the verse files, as a statement runs it, against a plain
// matcher written from its rules: decode the UTF-8 (a byte that starts no character, and a
// sequence cut short, overlong, a surrogate or beyond U+10FFFF, are each one U+FFFD), fold
// the case of every character, "%" any run, "_" any one character, "!" the escape.
// Input: one byte of options, then the pattern and the text separated by the first 0xFF.
#include "TextRules.h"

#include <QChar>
#include <cstdint>
#include <cstdlib>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

std::u32string Decode(const uint8_t* s, size_t n) {
    std::u32string out;
    size_t i = 0;
    while (i < n) {
        const uint8_t c = s[i];
        size_t length = c < 0x80                ? 1
                        : c >= 0xC0 && c < 0xE0 ? 2
                        : c >= 0xE0 && c < 0xF0 ? 3
                        : c >= 0xF0 && c < 0xF8 ? 4
                                                : 0;
        if (length == 0) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? c : c & (0xFF >> (length + 1));
        size_t taken = 1;
        while (taken < length && i + taken < n && (s[i + taken] & 0xC0) == 0x80)
            cp = cp << 6 | (s[i + taken++] & 0x3F);
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        const bool valid = taken == length && cp >= least[length] && cp <= 0x10FFFF &&
                           !(cp >= 0xD800 && cp <= 0xDFFF);
        out.push_back(valid ? char32_t(QChar::toCaseFolded(cp)) : 0xFFFD);
        i += taken;
    }
    return out;
}

// Pattern items: a character to compare, or a wildcard.
struct Item {
    enum Kind { Char, One, Run } kind;
    char32_t c;
};

std::vector<Item> Items(const std::u32string& p, bool escape) {
    std::vector<Item> items;
    for (size_t i = 0; i < p.size(); ++i) {
        if (escape && p[i] == U'!' && i + 1 < p.size())
            items.push_back({Item::Char, p[++i]});
        else if (p[i] == U'%')
            items.push_back({Item::Run, 0});
        else if (p[i] == U'_')
            items.push_back({Item::One, 0});
        else
            items.push_back({Item::Char, p[i]});
    }
    return items;
}

// match[i][j]: items from i match the text from j.
bool Matches(const std::vector<Item>& p, const std::u32string& t) {
    const size_t w = t.size() + 1;
    std::vector<char> match((p.size() + 1) * w, 0);
    match[p.size() * w + t.size()] = 1;
    for (size_t i = p.size(); i-- > 0;)
        for (size_t j = t.size() + 1; j-- > 0;) {
            bool m;
            if (p[i].kind == Item::Run)
                m = match[(i + 1) * w + j] || (j < t.size() && match[i * w + j + 1]);
            else
                m = j < t.size() && (p[i].kind == Item::One || p[i].c == t[j]) &&
                    match[(i + 1) * w + j + 1];
            match[i * w + j] = m;
        }
    return match[0];
}

sqlite3_stmt* Statement(bool escape) {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        RegisterTextRules(d);
        return d;
    }();
    static sqlite3_stmt* plain = nullptr;
    static sqlite3_stmt* escaped = nullptr;
    if (!plain) {
        sqlite3_prepare_v2(db, "SELECT ?2 LIKE ?1", -1, &plain, nullptr);
        sqlite3_prepare_v2(db, "SELECT ?2 LIKE ?1 ESCAPE '!'", -1, &escaped, nullptr);
    }
    return escape ? escaped : plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 600)
        return 0;
    const bool escape = data[0] & 1;
    const uint8_t* rest = data + 1;
    const size_t n = size - 1;
    size_t cut = 0;
    while (cut < n && rest[cut] != 0xFF)
        ++cut;
    const uint8_t* pattern = rest;
    const size_t patternLength = cut;
    const uint8_t* text = rest + (cut < n ? cut + 1 : n);
    const size_t textLength = cut < n ? n - cut - 1 : 0;

    // The folding alone.
    std::u32string folded;
    FoldUtf8(text, int(textLength), folded);
    const std::u32string expectedText = Decode(text, textLength);
    if (folded != expectedText)
        std::abort();

    const bool expected = Matches(Items(Decode(pattern, patternLength), escape), expectedText);
    sqlite3_stmt* stmt = Statement(escape);
    sqlite3_bind_text(stmt, 1, reinterpret_cast<const char*>(pattern), int(patternLength),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, reinterpret_cast<const char*>(text), int(textLength),
                      SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) != SQLITE_ROW)
        std::abort();
    const bool actual = sqlite3_column_int(stmt, 0) != 0;
    sqlite3_reset(stmt);
    if (actual != expected)
        std::abort();
    return 0;
}
