#include "SaveFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& LastFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString SaveFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void RememberSaveFolder(const QString& savedFile) {
    if (!savedFile.isEmpty())
        LastFolder() = QFileInfo(savedFile).absolutePath();
}
