#include "Phrase.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace {

bool IsOpeningQuote(QChar c) {
    return c == u'"' || c == u'\u201E' || c == u'\u201C';
}

bool IsClosingQuote(QChar c) {
    return c == u'"' || c == u'\u201C' || c == u'\u201D';
}

// A character that parts two words: neither a letter, a digit nor a mark.
bool Parts(QChar c) {
    return !c.isLetterOrNumber() && !c.isMark() && !c.isSurrogate();
}

// Whether the words from `next` on follow each other in text from `at`, each after a run of
// parting characters; returns the end of the last one, or -1.
qsizetype Follows(const QString& text, qsizetype at, const QStringList& words, qsizetype next,
                  Qt::CaseSensitivity cs) {
    for (; next < words.size(); ++next) {
        const qsizetype from = at;
        while (at < text.size() && Parts(text[at]))
            ++at;
        if (at == from)
            return -1;
        const QString& word = words[next];
        if (QStringView(text).mid(at, word.size()).compare(word, cs) != 0)
            return -1;
        at += word.size();
    }
    return at;
}

QStringList SplitWords(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

} // namespace

bool IsPhrase(const QString& entry) {
    const QString t = entry.trimmed();
    return t.size() >= 2 && IsOpeningQuote(t.front()) && IsClosingQuote(t.back());
}

QStringList PhraseWords(const QString& entry) {
    const QString t = entry.trimmed();
    return SplitWords(t.mid(1, t.size() - 2));
}

std::vector<std::pair<qsizetype, qsizetype>>
PhraseMatches(const QString& text, const QStringList& words, Qt::CaseSensitivity cs) {
    std::vector<std::pair<qsizetype, qsizetype>> found;
    if (words.isEmpty() || words.front().isEmpty())
        return found;
    for (qsizetype at = text.indexOf(words.front(), 0, cs); at >= 0;
         at = text.indexOf(words.front(), at + 1, cs)) {
        const qsizetype end = Follows(text, at + words.front().size(), words, 1, cs);
        if (end >= 0)
            found.emplace_back(at, end);
    }
    return found;
}

QStringList PhraseArgumentWords(const QString& words) {
    return SplitWords(words);
}

bool HoldsPhrase(const QString& text, const QStringList& words) {
    // No words: like the empty word, every text holds it.
    return words.isEmpty() || !PhraseMatches(text, words, Qt::CaseInsensitive).empty();
}

namespace {

void PhraseSql(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    // The words of the statement's phrase are split once and kept for its next rows.
    QStringList local;
    const auto* words = static_cast<const QStringList*>(sqlite3_get_auxdata(ctx, 1));
    if (!words) {
        const auto* w = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
        local = SplitWords(QString::fromUtf8(w, sqlite3_value_bytes(argv[1])));
        words = &local;
    }
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const bool holds = HoldsPhrase(QString::fromUtf8(t, sqlite3_value_bytes(argv[0])), *words);
    if (words == &local)
        sqlite3_set_auxdata(ctx, 1, new QStringList(std::move(local)),
                            [](void* p) { delete static_cast<QStringList*>(p); });
    sqlite3_result_int(ctx, holds);
}

} // namespace

void RegisterPhrase(sqlite3* db) {
    sqlite3_create_function(db, PhraseFunction, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            PhraseSql, nullptr, nullptr);
}
