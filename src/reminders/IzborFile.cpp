#include "IzborFile.h"

#include "Messages.h"
#include "Win1250.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArrayView Utf8Mark("\xEF\xBB\xBF");

// The text of UTF-8 bytes, a byte-order mark kept as a character; false when they are not UTF-8.
bool DecodeUtf8(QByteArrayView bytes, QString& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    text = decoder(bytes);
    return !decoder.hasError();
}

bool IsAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

} // namespace

qsizetype FirstOverlongEntry(const QStringList& entries) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].size() > MaxIzborEntryLength)
            return i;
    return -1;
}

QString IzborTextProblem(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return QStringLiteral("datoteka je u UTF-16 ili UTF-32, a ne tekst u Windows-1250 ili "
                              "UTF-8");
    for (const char c : bytes)
        if (uchar(c) < 0x20 && c != '\r' && c != '\n' && c != '\t')
            return QStringLiteral("datoteka nije tekst: ima kontrolni znak %1").arg(int(uchar(c)));
    return {};
}

QStringList ParseIzbor(const QByteArray& bytes, qsizetype upTo) {
    QByteArrayView view(bytes);
    const qsizetype end = view.indexOf('\0');
    if (end >= 0)
        view.truncate(end);
    QString text;
    const bool marked = view.startsWith(Utf8Mark);
    if (!DecodeUtf8(marked ? view.sliced(Utf8Mark.size()) : view, text))
        text = DecodeWin1250(view.toByteArray());
    // Split without making an entry of each empty line.
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size() && entries.size() != upTo; ++i) {
        if (i < text.size() && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        if (i > start)
            entries << text.mid(start, i - start);
        start = i + 1;
    }
    return entries;
}

QByteArray BuildIzbor(const QStringList& entries) {
    QByteArray bytes;
    bool holds = true;
    for (const QString& entry : entries) {
        const QByteArray line = EncodeWin1250(entry);
        holds = holds && DecodeWin1250(line) == entry;
        bytes += line + "\r\n";
    }
    QString read; // Windows-1250 that would read as UTF-8 is written as UTF-8 instead
    if (holds && (IsAscii(bytes) || !DecodeUtf8(bytes, read)))
        return bytes;
    bytes = Utf8Mark.toByteArray();
    for (const QString& entry : entries)
        bytes += entry.toUtf8() + "\r\n";
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
    const QString problem = IzborTextProblem(bytes);
    if (!problem.isEmpty())
        return refuse(problem);
    if (bytes.count('\n') + bytes.count('\r') - bytes.count("\r\n") > MaxIzborLines)
        return refuse(QStringLiteral("datoteka ima više od %1 redova").arg(MaxIzborLines));
    const QStringList read = ParseIzbor(bytes, MaxIzborEntries + 1);
    if (read.size() > MaxIzborEntries)
        return refuse(QStringLiteral("datoteka ima više od %1 unosa").arg(MaxIzborEntries));
    const qsizetype overlong = FirstOverlongEntry(read);
    if (overlong >= 0)
        return refuse(QStringLiteral("red %1 je duži od %2 znakova")
                          .arg(overlong + 1)
                          .arg(MaxIzborEntryLength));
    *entries = read;
    return true;
}
