#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reminder list files (*.Izbor): Windows-1250 text, one entry per line, each line ended by
// CR LF. UTF-8 text is read too, and written, after its byte-order mark, for entries that
// Windows-1250 cannot hold.

// No entry of a real list is longer than a reference can be, no real list holds this many
// entries, and no real list file is this large; a file breaking any is refused whole.
inline constexpr qsizetype MaxIzborEntryLength = 200;
inline constexpr qsizetype MaxIzborEntries = 10'000;
// Lines, empty ones included: room for an empty line after every entry.
inline constexpr qsizetype MaxIzborLines = 2 * MaxIzborEntries;
inline constexpr qint64 MaxIzborFileBytes = 10 * 1024 * 1024;

// The index of the first entry longer than MaxIzborEntryLength; -1 when there is none.
qsizetype FirstOverlongEntry(const QStringList& entries);

// Why a file's bytes are no text of a list (a NUL or another control character, a UTF-16 or
// UTF-32 byte-order mark); empty when they are.
QString IzborTextProblem(const QByteArray& bytes);

// The entries of a file's bytes: lines may end in CR LF, CR or LF; empty lines are skipped; a
// NUL byte ends the text. UTF-8 (with or without its byte-order mark) is read as UTF-8, any
// other text as Windows-1250. With upTo given, stops after that many entries.
QStringList ParseIzbor(const QByteArray& bytes, qsizetype upTo = -1);

// The bytes of a file holding the entries: every line ended by CR LF; Windows-1250 when it
// holds the entries and reads back as such, UTF-8 after its byte-order mark otherwise.
QByteArray BuildIzbor(const QStringList& entries);

// Writes the entries to a temporary file beside the target and renames it over the target,
// so that a failed save leaves the file that was there. On failure returns false and puts
// the reason into *error.
bool SaveIzbor(const QString& path, const QStringList& entries, QString* error);

// Reads the entries of a file. On failure (also for a file that is no regular file, is larger
// than MaxIzborFileBytes, is no text, holds more than MaxIzborEntries entries or an overlong
// one) returns false, leaves *entries alone and puts the reason into *error.
bool LoadIzbor(const QString& path, QStringList* entries, QString* error);
