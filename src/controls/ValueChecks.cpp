#include "ValueChecks.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

bool IsWholeNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!re.match(text).hasMatch())
        return false;
    bool ok = false;
    text.trimmed().toInt(&ok, 10);
    return ok;
}

bool IsRealNumber(const QString& text, const QLocale& locale) {
    static const QRegularExpression re(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    // The point is what the edit lets through; the locale's own separator is taken as well.
    QString s = text.trimmed();
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".") && !s.contains(QLatin1Char('.')))
        s.replace(point, QLatin1String("."));
    if (!re.match(s).hasMatch())
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    return ok && std::isfinite(v);
}

namespace {

enum DatePart { Day, Month, Year };

// Day, month and year in the order of the locale's short date format (day first if unknown).
QList<DatePart> DateOrder(const QLocale& locale) {
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = f.indexOf(QLatin1Char('d'));
    const qsizetype m = f.indexOf(QLatin1Char('M'));
    const qsizetype y = f.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return {Day, Month, Year};
    QList<std::pair<qsizetype, DatePart>> at = {{d, Day}, {m, Month}, {y, Year}};
    std::sort(at.begin(), at.end());
    return {at[0].second, at[1].second, at[2].second};
}

} // namespace

bool IsShortDate(const QString& text, const QLocale& locale) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*([0-9]{1,4})[/.-]([0-9]{1,4})(?:[/.-]([0-9]{1,4}))?\\s*$"));
    const QRegularExpressionMatch match = re.match(text);
    if (!match.hasMatch())
        return false;
    QList<DatePart> order = DateOrder(locale);
    const int count = match.capturedLength(3) > 0 ? 3 : 2;
    if (count == 2)
        order.removeOne(Year); // day and month of this year
    int day = 0, month = 0, year = QDate::currentDate().year();
    for (int i = 0; i < count; ++i) {
        const int v = match.captured(i + 1).toInt();
        switch (order[i]) {
        case Day:
            day = v;
            break;
        case Month:
            month = v;
            break;
        case Year:
            year = v;
            if (match.capturedLength(i + 1) <= 2)
                year += year < 50 ? 2000 : 1900;
            break;
        }
    }
    return year >= 1 && QDate(year, month, day).isValid();
}
