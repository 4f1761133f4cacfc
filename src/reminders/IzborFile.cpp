#include "IzborFile.h"

#include "Messages.h"
#include "Win1250.h"

#include <QFile>
#include <QSaveFile>

QStringList ParseIzbor(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return SplitLines(DecodeWin1250(end < 0 ? bytes : bytes.left(end)));
}

QByteArray BuildIzbor(const QStringList& entries) {
    QByteArray bytes;
    for (const QString& entry : entries) {
        bytes += EncodeWin1250(entry);
        bytes += "\r\n";
    }
    return bytes;
}

bool SaveIzbor(const QString& path, const QStringList& entries, QString* error) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const QByteArray bytes = BuildIzbor(entries);
    // A short write can pass unreported, so the written size is checked before the rename.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && file.size() == bytes.size();
    if (!written || !file.commit()) {
        if (error)
            *error = file.error() != QFileDevice::NoError
                         ? SystemReason(file.errorString())
                         : QStringLiteral("datoteka nije upisana cela");
        return false;
    }
    return true;
}

bool LoadIzbor(const QString& path, QStringList* entries, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = SystemReason(file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = SystemReason(file.errorString());
        return false;
    }
    *entries = ParseIzbor(bytes);
    return true;
}
