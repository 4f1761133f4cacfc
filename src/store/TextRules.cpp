#include "TextRules.h"

#include <QChar>
#include <memory>
#include <sqlite3.h>

void FoldUtf8(const unsigned char* s, int n, std::u32string& out) {
    out.clear();
    out.reserve(n);
    int i = 0;
    while (i < n) {
        const unsigned c = s[i];
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? c + 32 : c);
            ++i;
            continue;
        }
        char32_t cp;
        int extra;
        if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        ++i;
        for (; extra > 0 && i < n && (s[i] & 0xC0) == 0x80; --extra, ++i)
            cp = (cp << 6) | (s[i] & 0x3F);
        out.push_back(extra == 0 ? QChar::toCaseFolded(cp) : 0xFFFD);
    }
}

bool LikeMatch(const std::u32string& p, const std::u32string& t) {
    size_t pi = 0, ti = 0;
    size_t star = std::u32string::npos, mark = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == LikeAnyRun) {
            star = pi++;
            mark = ti;
        } else if (pi < p.size() && (p[pi] == LikeAnyOne || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (star != std::u32string::npos) {
            pi = star + 1;
            ti = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == LikeAnyRun)
        ++pi;
    return pi == p.size();
}

namespace {

int FoldCompare(void*, int n1, const void* s1, int n2, const void* s2) {
    thread_local std::u32string a, b;
    FoldUtf8(static_cast<const unsigned char*>(s1), n1, a);
    FoldUtf8(static_cast<const unsigned char*>(s2), n2, b);
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

struct CompiledPattern {
    std::u32string folded;
};

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
    thread_local std::u32string text;
    FoldUtf8(sqlite3_value_text(argv[1]), sqlite3_value_bytes(argv[1]), text);
    const bool matches = LikeMatch(pattern->folded, text);
    if (fresh) // kept for the next rows of the same statement
        sqlite3_set_auxdata(ctx, 0, fresh.release(), FreePattern);
    sqlite3_result_int(ctx, matches);
}

} // namespace

void RegisterTextRules(sqlite3* db) {
    sqlite3_create_collation(db, "FOLD", SQLITE_UTF8, nullptr, FoldCompare);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
}
