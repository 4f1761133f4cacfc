#include "Convert.h"

#include "Errors.h"

#include <QLocale>

namespace {

// Leading blanks are allowed, as is a sign; nothing may follow the digits.
bool ParseInt32(const QString& text, int& value) {
    qsizetype i = 0;
    while (i < text.size() && text[i] <= QChar(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    qint64 n = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c.unicode() - '0');
        if (n > 2147483648LL)
            return false;
    }
    if (negative)
        n = -n;
    if (n > 2147483647LL)
        return false;
    value = static_cast<int>(n);
    return true;
}

} // namespace

int StrToInt(const QString& text) {
    int value = 0;
    if (!ParseInt32(text, value))
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

double StrToFloat(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw ConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}
