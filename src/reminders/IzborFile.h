#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reminder list files (*.Izbor): Windows-1250 text, one entry per line, each line ended by
// CR LF.

// The entries of a file's bytes: lines may end in CR LF, CR or LF; an empty line is an empty
// entry; a final line break adds none; a NUL byte ends the text.
QStringList ParseIzbor(const QByteArray& bytes);

// The bytes of a file holding the entries: every line ended by CR LF.
QByteArray BuildIzbor(const QStringList& entries);

// Writes the entries to a temporary file beside the target and renames it over the target,
// so that a failed save leaves the file that was there. On failure returns false and puts
// the reason into *error.
bool SaveIzbor(const QString& path, const QStringList& entries, QString* error);

// Reads the entries of a file. On failure returns false, leaves *entries alone and puts the
// reason into *error.
bool LoadIzbor(const QString& path, QStringList* entries, QString* error);
