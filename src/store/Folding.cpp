#include "Folding.h"

#include <QList>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string_view>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <vector>

namespace {

bool IsCyrillic(char32_t c) {
    return c >= 0x0400 && c <= 0x052F;
}

bool IsMark(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// A folded character without its marks: decomposed, marks dropped, đ written "dj".
void AppendBare(char32_t c, QString& out) {
    if (IsMark(c))
        return;
    if (c == U'đ') {
        out += QStringLiteral("dj");
        return;
    }
    const QChar::Decomposition tag = QChar::decompositionTag(c);
    if (tag == QChar::Canonical || tag == QChar::Compat) {
        for (const char32_t part : QChar::decomposition(c).toUcs4())
            AppendBare(QChar::toCaseFolded(part), out);
        return;
    }
    out += QString::fromUcs4(&c, 1);
}

// The folds of every code point of the Basic Multilingual Plane, as UTF-8, worked out once:
// the Cyrillic ones through ICU, one letter at a time. Letter case is folded before the
// transform, so the transform's rules for capitals in context make no difference.
class FoldTable {
public:
    FoldTable() {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> latin(
            icu::Transliterator::createInstance("Serbian-Latin/BGN", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            latin.reset();
        offsets_.reserve(0x10001);
        for (char32_t c = 0; c < 0x10000; ++c) {
            offsets_.push_back(uint32_t(bytes_.size()));
            bytes_ += Fold(c, latin.get()).toStdString();
        }
        offsets_.push_back(uint32_t(bytes_.size()));
    }

    std::string_view Of(char32_t c) const {
        return std::string_view(bytes_).substr(offsets_[c], offsets_[c + 1] - offsets_[c]);
    }

private:
    static QString Fold(char32_t c, icu::Transliterator* latin) {
        if (c >= 0xD800 && c < 0xE000)
            return QString(QChar(0xFFFD));
        const char32_t folded = QChar::toCaseFolded(c);
        QString letters = QString::fromUcs4(&folded, 1);
        if (latin && IsCyrillic(folded)) {
            icu::UnicodeString text{UChar32(folded)};
            latin->transliterate(text);
            letters = QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()),
                                         text.length())
                          .toCaseFolded();
        }
        QString out;
        for (const char32_t letter : letters.toUcs4())
            AppendBare(letter, out);
        return out;
    }

    std::vector<uint32_t> offsets_;
    std::string bytes_;
};

const FoldTable& Table() {
    // Never destroyed: an index build on another thread may still fold while the program ends.
    static const FoldTable& table = *new FoldTable;
    return table;
}

// A code point beyond the Basic Multilingual Plane as UTF-8.
void AppendUtf8Beyond(char32_t c, std::string& out) {
    const char bytes[4] = {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                           char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    out.append(bytes, 4);
}

// The last text folded on a connection: the conditions of one statement fold the same verse
// one after another.
struct FoldCache {
    std::string text;
    std::string folded;
};

void FoldedSql(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    auto* cache = static_cast<FoldCache*>(sqlite3_user_data(ctx));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int length = sqlite3_value_bytes(argv[0]);
    if (size_t(length) != cache->text.size() ||
        std::memcmp(text, cache->text.data(), size_t(length)) != 0) {
        cache->text.assign(text, size_t(length));
        FoldUtf8ForSearch(text, length, cache->folded);
    }
    sqlite3_result_text(ctx, cache->folded.data(), int(cache->folded.size()), SQLITE_TRANSIENT);
}

void FreeCache(void* cache) {
    delete static_cast<FoldCache*>(cache);
}

} // namespace

void FoldUtf8ForSearch(const char* text, int length, std::string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    const FoldTable& table = Table();
    out.clear();
    out.reserve(size_t(length > 0 ? length : 0) + 8);
    int i = 0;
    while (i < length) {
        const unsigned c = s[i];
        if (c < 0x80) {
            out.push_back(char(c - 'A' < 26u ? c + 32 : c));
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
            cp = 0xFFFD;
            extra = 0;
        }
        ++i;
        for (; extra > 0 && i < length && (s[i] & 0xC0) == 0x80; --extra, ++i)
            cp = (cp << 6) | (s[i] & 0x3F);
        if (extra > 0 || cp > 0x10FFFF)
            cp = 0xFFFD;
        if (cp < 0x10000)
            out += table.Of(cp);
        else
            AppendUtf8Beyond(QChar::toCaseFolded(cp), out);
    }
}

QString FoldCharForSearch(char32_t c) {
    if (c < 0x80)
        return QString(QChar(c - U'A' < 26u ? c + 32 : c));
    if (c < 0x10000) {
        const std::string_view folded = Table().Of(c);
        return QString::fromUtf8(folded.data(), qsizetype(folded.size()));
    }
    const char32_t lower = c > 0x10FFFF ? U'\uFFFD' : QChar::toCaseFolded(c);
    return QString::fromUcs4(&lower, 1);
}

QString FoldForSearch(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::string folded;
    FoldUtf8ForSearch(utf8.constData(), int(utf8.size()), folded);
    return QString::fromStdString(folded);
}

void RegisterFolding(sqlite3* db) {
    sqlite3_create_function_v2(db, FoldedFunction, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               new FoldCache, FoldedSql, nullptr, nullptr, FreeCache);
}
