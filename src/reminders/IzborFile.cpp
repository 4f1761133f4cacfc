#include "IzborFile.h"

#include "Messages.h"
#include "Win1250.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

qsizetype FirstOverlongEntry(const QStringList& entries) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].size() > MaxIzborEntryLength)
            return i;
    return -1;
}

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
    const auto refuse = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A FIFO or device would block the reading or never end it.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refuse(QStringLiteral("to nije obična datoteka"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(SystemReason(file.errorString()));
    const QByteArray bytes = file.read(MaxIzborFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(SystemReason(file.errorString()));
    if (bytes.size() > MaxIzborFileBytes)
        return refuse(QStringLiteral("datoteka je veća od %1 MB").arg(MaxIzborFileBytes >> 20));
    const QStringList read = ParseIzbor(bytes);
    const qsizetype overlong = FirstOverlongEntry(read);
    if (overlong >= 0)
        return refuse(QStringLiteral("red %1 je duži od %2 znakova")
                          .arg(overlong + 1)
                          .arg(MaxIzborEntryLength));
    *entries = read;
    return true;
}
