#include "TranslationList.h"

#include "Win1250.h"

#include <QFile>

namespace {

bool IsBlankLine(const QString& line) {
    for (QChar c : line)
        if (c.unicode() > 32)
            return false;
    return true;
}

} // namespace

QList<TranslationEntry> ParseTranslationList(const QByteArray& bytes) {
    QList<TranslationEntry> entries;
    for (const QString& line : SplitLines(DecodeWin1250(bytes))) {
        if (IsBlankLine(line))
            break;
        entries.append({line.left(20), line.mid(20, 500)});
    }
    return entries;
}

QList<TranslationEntry> ReadTranslationFile(const QString& programFolder) {
    QFile file(programFolder + QLatin1String(TranslationListFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseTranslationList(file.readAll());
}

QString TranslationLine(const QString& fileName, const QString& caption) {
    return fileName.leftJustified(20, ' ') + caption;
}
