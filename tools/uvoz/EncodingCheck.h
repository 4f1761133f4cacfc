#pragma once

#include <QByteArray>
#include <QString>

// Checks a module's verses, as the module stores them, against the encoding its configuration
// declares (Encoding=UTF-8, or Latin-1 when none is named). A wrong declaration does not always
// make garbage: UTF-8 read as Latin-1 becomes "Ð£ Ð¿Ð¾Ñ‡", plausible letters.
class EncodingCheck {
public:
    explicit EncodingCheck(const QString& declared);

    // Takes the stored bytes of a verse; what is wrong with them alone, else empty.
    QString take(const QByteArray& bytes, const QString& place);
    // After the last verse: what is wrong with the verses as a whole, else empty; `place` is
    // set to the first verse it shows in.
    QString finish(QString& place) const;

private:
    enum class Kind { Utf8, Latin1, Other } kind_;
    int withHighBytes_ = 0; // verses holding bytes over 127
    int readAsUtf8_ = 0;    // of these, verses that are valid UTF-8
    QString firstUtf8Place_;
};
