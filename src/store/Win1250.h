#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's own files (the translation list, the reminder lists) are single-byte
// Windows-1250 text.
QString DecodeWin1250(const QByteArray& bytes);
QByteArray EncodeWin1250(const QString& text);

// Splits a text at CR LF, a lone CR or a lone LF. A final line break adds no empty line.
QStringList SplitLines(const QString& text);
