#include "InputFiles.h"

#include <QDir>
#include <QFileInfo>

QString InputFileProblem(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1: datoteka ne postoji").arg(path);
    if (!info.isFile())
        return QStringLiteral("%1: to nije obična datoteka").arg(path);
    if (info.size() > limit)
        return QStringLiteral("%1: datoteka je veća od %2 MB").arg(path).arg(limit >> 20);
    return {};
}

QString FolderFilesProblem(const QString& folder, qint64 limit) {
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (!entry.isDir() && entry.exists()) {
            const QString problem = InputFileProblem(entry.filePath(), limit);
            if (!problem.isEmpty())
                return problem;
        }
    return {};
}

QStringList ConfigFolders(const QString& moduleFolder) {
    if (!moduleFolder.isEmpty())
        return {moduleFolder + QStringLiteral("/mods.d")};
    QStringList folders;
    const QString swordPath = qEnvironmentVariable("SWORD_PATH");
    if (!swordPath.isEmpty())
        folders << swordPath + QStringLiteral("/mods.d");
    folders << QStringLiteral("mods.d") << QDir::homePath() + QStringLiteral("/.sword/mods.d")
            << QStringLiteral("/usr/share/sword/mods.d")
            << QStringLiteral("/usr/local/share/sword/mods.d");
    return folders;
}
