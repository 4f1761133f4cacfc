#include "Reference.h"

#include "Convert.h"
#include "Errors.h"

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString TrimBlanks(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] <= QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] <= QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

namespace {

[[noreturn]] void NotAReference(const QString& text) {
    throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

void ParseReference(const QString& text, QString& bookCode, int& chapter, int& verse) {
    // The first character belongs to the book even when it is a digit ("1 MOJ").
    qsizetype i = 1;
    while (i < text.size() && !IsDigit(text[i]))
        ++i;
    if (i >= text.size())
        NotAReference(text);
    QString book = TrimBlanks(text.left(i));
    if (book.endsWith(QLatin1Char('.')))
        book.chop(1);
    if (book.isEmpty()) // nothing but blanks or a full stop before the chapter
        NotAReference(text);
    const QString rest = TrimBlanks(text.mid(i));
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        NotAReference(text);

    bookCode = book;
    chapter = StrToInt(rest.left(colon));
    QString digits;
    for (qsizetype k = text.lastIndexOf(QLatin1Char(':')) + 1; k < text.size(); ++k)
        if (IsDigit(text[k]))
            digits += text[k];
    verse = StrToInt(digits);
}

QString UnknownBookText(const QString& code) {
    return QStringLiteral("Nepoznata knjiga: ") + code;
}
