#include "ProgramFolder.h"

#include <QCoreApplication>

QString ProgramFolderOf(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (path[i] == '/')
            return path.left(i + 1);
    return {};
}

QString ProgramFolder() {
    return ProgramFolderOf(QCoreApplication::applicationFilePath());
}
