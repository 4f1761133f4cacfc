#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reminder list files (*.Izbor): Windows-1250 text, one entry per line, each line ended by
// CR LF.

// No entry of a real list is longer than a reference can be, and no real list file is this
// large; a file breaking either is refused whole.
inline constexpr qsizetype MaxIzborEntryLength = 200;
inline constexpr qint64 MaxIzborFileBytes = 10 * 1024 * 1024;

// The index of the first entry longer than MaxIzborEntryLength; -1 when there is none.
qsizetype FirstOverlongEntry(const QStringList& entries);

// The entries of a file's bytes: lines may end in CR LF, CR or LF; an empty line is an empty
// entry; a final line break adds none; a NUL byte ends the text.
QStringList ParseIzbor(const QByteArray& bytes);

// The bytes of a file holding the entries: every line ended by CR LF.
QByteArray BuildIzbor(const QStringList& entries);

// Writes the entries to a temporary file beside the target and renames it over the target,
// so that a failed save leaves the file that was there. On failure returns false and puts
// the reason into *error.
bool SaveIzbor(const QString& path, const QStringList& entries, QString* error);

// Reads the entries of a file. On failure (also for a file that is no regular file, is larger
// than MaxIzborFileBytes or holds an overlong entry) returns false, leaves *entries alone and
// puts the reason into *error.
bool LoadIzbor(const QString& path, QStringList* entries, QString* error);
