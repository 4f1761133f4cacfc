#include "Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString DecodeWin1250(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1250");
    return decoder(bytes);
}

QByteArray EncodeWin1250(const QString& text) {
    QStringEncoder encoder("windows-1250");
    return encoder(text);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}
