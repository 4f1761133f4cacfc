#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One line of the translation list file vidoslov.kv.
struct TranslationEntry {
    QString fileName; // characters 1..20, untrimmed
    QString caption;  // characters 21..520
};

// The entries of the list file's bytes (Windows-1250), up to the first empty line.
QList<TranslationEntry> ParseTranslationList(const QByteArray& bytes);
// The entries of the list file in a folder; none when the file is missing.
QList<TranslationEntry> ReadTranslationFile(const QString& programFolder);
// One line of the list file, without its line break: the name padded to 20 characters.
QString TranslationLine(const QString& fileName, const QString& caption);

inline constexpr const char* TranslationListFile = "vidoslov.kv";
// The default translation's file in baza/.
inline constexpr const char* DefaultTranslationFile = "vidl.mdb";
