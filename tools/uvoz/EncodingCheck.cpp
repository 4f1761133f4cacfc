#include "EncodingCheck.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

EncodingCheck::EncodingCheck(const QString& declared) {
    const QString name = declared.trimmed().toLower();
    kind_ = name == QLatin1String("utf-8")                       ? Kind::Utf8
            : name.isEmpty() || name == QLatin1String("latin-1") ? Kind::Latin1
                                                                 : Kind::Other;
}

QString EncodingCheck::take(const QByteArray& bytes, const QString& place) {
    if (kind_ == Kind::Other ||
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return {};
    if (kind_ == Kind::Utf8)
        return IsUtf8(bytes) ? QString()
                             : QStringLiteral("tekst stiha nije ispravan UTF-8, a podešavanje "
                                              "modula navodi Encoding=UTF-8");
    ++withHighBytes_;
    if (IsUtf8(bytes) && readAsUtf8_++ == 0)
        firstUtf8Place_ = place;
    return {};
}

QString EncodingCheck::finish(QString& place) const {
    // Latin-1 text is almost never valid UTF-8 by chance: half its verses being so is UTF-8.
    if (kind_ != Kind::Latin1 || readAsUtf8_ == 0 || readAsUtf8_ * 2 < withHighBytes_)
        return {};
    place = firstUtf8Place_;
    return QStringLiteral("tekst je u kodiranju UTF-8 (takvih stihova: %1 od %2), a "
                          "podešavanje modula navodi Encoding=Latin-1")
        .arg(readAsUtf8_)
        .arg(withHighBytes_);
}
