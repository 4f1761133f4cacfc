// The search statement from any word lists and book marks: it prepares as one statement over
// the verse table, its quotes balance, every word stands only inside its own literal (which
// reads back as the word between "%", or a phrase as its words, NUL characters dropped), and
// outside the literals it is the statement of the same lists with plain words, so no word changes
// what the statement does. Input: one byte of options (marks ignored, whole testaments, words as
// UTF-16), nine bytes of book marks, then words separated by 0xFF, each led by the byte choosing
// its list. The statement then runs on a small translation file as the search runs it, without
// error, and finds the verses the texts of that file held in memory find, in the same order.
#include "BookCatalogue.h"
#include "DataModule.h"
#include "Errors.h"
#include "Folding.h"
#include "Phrase.h"
#include "QueryBuilder.h"
#include "Search.h"
#include "SmallTranslation.h"
#include "TextRules.h"
#include "VerseMemory.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <sqlite3.h>

namespace {

sqlite3* Database() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        RegisterTextRules(d);
        RegisterFolding(d);
        RegisterPhrase(d);
        if (sqlite3_exec(d, VerseTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        return d;
    }();
    return db;
}

// The literals of a statement in order, and the statement with each literal as ''.
bool Literals(const QByteArray& text, QList<QByteArray>& literals, QByteArray& outside) {
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != '\'') {
            outside += text[i++];
            continue;
        }
        QByteArray literal;
        ++i;
        for (;;) {
            if (i >= text.size())
                return false; // a quote left open
            if (text[i] == '\'') {
                if (i + 1 < text.size() && text[i + 1] == '\'') {
                    literal += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            literal += text[i++];
        }
        literals << literal;
        outside += "''";
    }
    return true;
}

QString Word(const uint8_t* s, size_t n, bool utf16) {
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(s), qsizetype(n));
    QString word;
    for (size_t i = 0; i + 1 < n; i += 2)
        word += QChar(char16_t(s[i] | s[i + 1] << 8));
    return word;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10)
        return 0;
    const bool fold = data[0] & 1;
    const bool utf16 = data[0] & 8;
    static const BookCatalogue catalogue = [] {
        BookCatalogue c;
        c.FillBookCatalogue();
        return c;
    }();
    TestamentChoice testaments[2];
    testaments[0].whole = data[0] & 2;
    testaments[1].whole = data[0] & 4;
    for (int book = 1; book <= BookCatalogue::BookCount; ++book) {
        TestamentChoice& t = testaments[book > BookCatalogue::LastOldTestamentBook];
        t.codes << catalogue.BookCodes[book];
        t.marked << bool(data[1 + (book - 1) / 8] >> ((book - 1) % 8) & 1);
    }

    SearchWords words;
    SearchWords plain; // the same lists with plain words
    QStringList* lists[] = {&words.required, &words.excluded, &words.alternatives};
    QStringList* plainLists[] = {&plain.required, &plain.excluded, &plain.alternatives};
    size_t at = 10;
    while (at < size) {
        size_t end = at;
        while (end < size && data[end] != 0xFF)
            ++end;
        if (end > at) {
            const int list = data[at] % 3;
            *lists[list] << Word(data + at + 1, end - at - 1, utf16);
            // A phrase stays a phrase in the plain lists: its statement has another shape.
            *plainLists[list] << (IsPhrase(lists[list]->back()) ? QStringLiteral("\"x\"")
                                                                : QStringLiteral("x"));
        }
        at = end + 1;
    }

    const QString where = TrimSearchText(BuildWordCondition(words, fold));
    const bool none =
        words.required.isEmpty() && words.excluded.isEmpty() && words.alternatives.isEmpty();
    if (where.isEmpty() != none)
        std::abort();
    if (none)
        return 0; // the dialog searches for nothing
    const QString books = BuildBookCondition(testaments[0], testaments[1]);
    const QByteArray statement =
        (QString::fromLatin1(SearchSelectLine) + u'\n' + SearchWhereLine(where, books)).toUtf8();

    // One statement, nothing after it.
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(Database(), statement.constData(), int(statement.size()), &stmt,
                           &tail) != SQLITE_OK ||
        !stmt)
        std::abort();
    sqlite3_finalize(stmt);
    for (; tail < statement.constData() + statement.size(); ++tail)
        if (*tail != ' ' && *tail != '\n')
            std::abort();

    // Each word in its literal, in list order, then the book codes.
    QList<QByteArray> literals;
    QByteArray outside;
    if (!Literals(statement, literals, outside))
        std::abort();
    QList<QByteArray> expected;
    for (const QStringList* list : lists)
        for (const QString& word : *list) {
            // A word stands between "%"; a phrase stands as its words parted by one blank.
            const bool phrase = IsPhrase(word);
            const QString text = phrase ? PhraseWords(word).join(u' ') : word;
            const QByteArray literal =
                QString(fold ? FoldForSearch(text) : text).remove(QChar(u'\0')).toUtf8();
            expected << (phrase ? literal : '%' + literal + '%');
        }
    for (const TestamentChoice& t : testaments)
        for (qsizetype i = 0; i < t.codes.size(); ++i)
            if ((t.whole || t.marked[i]) && !(testaments[0].whole && testaments[1].whole))
                expected << t.codes[i].toUtf8();
    if (literals != expected)
        std::abort();

    // Outside the literals, the statement of plain words.
    QList<QByteArray> plainLiterals;
    QByteArray plainOutside;
    const QByteArray plainStatement =
        (QString::fromLatin1(SearchSelectLine) + u'\n' +
         SearchWhereLine(TrimSearchText(BuildWordCondition(plain, fold)), books))
            .toUtf8();
    if (!Literals(plainStatement, plainLiterals, plainOutside) || outside != plainOutside)
        std::abort();

    static Query results;
    results.setConnectionString(
        TranslationConnectionString(DefaultTranslationFile, SmallTranslationFolder()));
    std::vector<ResultRow> rows;
    try {
        rows = RunStatement(results,
                            {QString::fromLatin1(SearchSelectLine), SearchWhereLine(where, books)});
    } catch (const DatabaseError&) {
        std::abort();
    }
    if (rows.size() > 8)
        std::abort();
    QStringList places;
    for (const ResultRow& row : rows)
        places << row.Knjiga + u' ' + row.Glava + u':' + row.Rbr;

    static const std::unique_ptr<VerseMemory> memory = [] {
        Query q;
        q.setConnectionString(
            TranslationConnectionString(DefaultTranslationFile, SmallTranslationFolder()));
        return VerseMemory::Read(q);
    }();
    QStringList kept;
    for (const ResultRow& row :
         memory->Find(words, fold, SelectedBooks(testaments[0], testaments[1])))
        kept << row.Knjiga + u' ' + row.Glava + u':' + row.Rbr;
    if (kept != places)
        std::abort();
    return 0;
}
