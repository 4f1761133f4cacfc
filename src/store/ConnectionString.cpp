#include "ConnectionString.h"

QString ConnectionValue(const QString& value) {
    if (!value.contains(QLatin1Char(';')) && !value.startsWith(QLatin1Char('"')) &&
        !value.startsWith(QLatin1Char('\'')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString ConnectionStringValue(const QString& text, const QString& key) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        if (equals < 0)
            return {};
        const QString name = text.mid(i, equals - i).trimmed();
        i = equals + 1;
        while (i < n && text[i] == QLatin1Char(' '))
            ++i;
        QString value;
        if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
            const QChar quote = text[i++];
            for (; i < n; ++i) {
                if (text[i] != quote) {
                    value += text[i];
                } else if (i + 1 < n && text[i + 1] == quote) {
                    value += quote;
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            value = text.mid(i, (end < 0 ? n : end) - i);
            i = end < 0 ? n : end + 1;
        }
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}
