// The reference parser on any text: it either throws ConvertError or gives a place that reads
// back the same when written out again. The place is then shown from a small translation
// file: the chapter and the forward button's statement run without an engine error, select
// only that chapter, and a code holding a NUL selects nothing.
#include "Reference.h"
#include "DataModule.h"
#include "Errors.h"
#include "SmallTranslation.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString book;
    int chapter = -1, verse = -1;
    try {
        ParseReference(text, book, chapter, verse);
    } catch (const ConvertError&) {
        return 0;
    }
    if (book.isEmpty() || chapter < 0 || verse < 0)
        std::abort();
    static TBaze baze(SmallTranslationFolder());
    Query& q = baze.Query1;
    try {
        LoadChapter(QStringLiteral("vidoslov"), book, chapter, q, nullptr);
        const int last = LastChapter(QStringLiteral("vidoslov"), book, q);
        if (q.recordCount() > 0 && (book.contains(QChar(0)) || last < chapter))
            std::abort();
        for (q.first(); !q.eof(); q.next())
            if (q.fieldAsText(QStringLiteral("glava")) != QString::number(chapter))
                std::abort();
    } catch (const DatabaseError&) {
        std::abort();
    }
    // Written out, a book code that ends in a full stop or, once its full stop is dropped, in
    // a blank or control character, reads back shorter.
    if (book.endsWith(QLatin1Char('.')) || book != TrimBlanks(book))
        return 0;
    QString again;
    int chapterAgain = -1, verseAgain = -1;
    // Joined, not by chained arg(): a book code may hold "%" and a digit of another script.
    const QString written = book + QLatin1Char(' ') + QString::number(chapter) + QLatin1Char(':') +
                            QString::number(verse);
    ParseReference(written, again, chapterAgain, verseAgain);
    if (again != book || chapterAgain != chapter || verseAgain != verse)
        std::abort();
    return 0;
}
