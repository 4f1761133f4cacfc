#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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

// The folders that hold translations of their own (baza/ and vidoslov.kv), with a trailing "/":
// the one imported for every user of the computer and the user's own.
inline constexpr const char* SystemTranslationFolder = "/var/lib/vidoslov/";
QString UserTranslationFolder();

// The translations the reader offers: those of the program folder, then those of the system's
// folder, then the user's. A translation of another folder than the program folder has as its
// file name the absolute path of its file.
QList<TranslationEntry> ReadTranslationLists(const QString& programFolder);
// The same, from the given folders in order (the first is the program folder).
QList<TranslationEntry> MergeTranslationLists(const QStringList& folders);
// The default translation's file in baza/.
inline constexpr const char* DefaultTranslationFile = "vidl.mdb";
