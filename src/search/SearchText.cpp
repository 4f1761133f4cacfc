#include "SearchText.h"

#include <QStringList>

QString GroupedCount(int n) {
    QString digits = QString::number(qAbs(n));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u'.');
    return n < 0 ? u'-' + digits : digits;
}

QString WordsLine(const SearchWords& words) {
    QStringList parts;
    if (!words.required.isEmpty())
        parts << words.required.join(QStringLiteral(", "));
    if (!words.alternatives.isEmpty())
        parts << QStringLiteral("bar jedna: ") + words.alternatives.join(QStringLiteral(", "));
    if (!words.excluded.isEmpty())
        parts << QStringLiteral("ne: ") + words.excluded.join(QStringLiteral(", "));
    return parts.join(QStringLiteral("; "));
}
