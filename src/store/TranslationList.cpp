#include "TranslationList.h"

#include "Win1250.h"

#include <QFile>
#include <QStandardPaths>

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

QString UserTranslationFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vidoslov/");
}

QList<TranslationEntry> ReadTranslationLists(const QString& programFolder) {
    return MergeTranslationLists(
        {programFolder, QLatin1String(SystemTranslationFolder), UserTranslationFolder()});
}

QList<TranslationEntry> MergeTranslationLists(const QStringList& folders) {
    QList<TranslationEntry> merged;
    for (qsizetype i = 0; i < folders.size(); ++i)
        for (TranslationEntry entry : ReadTranslationFile(folders[i])) {
            // Only a name: a path could reach out of the folder.
            const QString name = entry.fileName.trimmed();
            if (i > 0 && (name.isEmpty() || name.contains(QLatin1Char('/')) ||
                          name.startsWith(QLatin1Char('.'))))
                continue;
            if (i > 0)
                entry.fileName = folders[i] + QStringLiteral("baza/") + name;
            merged.append(entry);
        }
    return merged;
}
