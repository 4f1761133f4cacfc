#pragma once

#include <QString>

// The importer reads only regular files, each within a size bound: a FIFO would block it, a
// device or a huge file read without end.

inline constexpr qint64 MaxConfigBytes = 1LL << 20;       // a module configuration
inline constexpr qint64 MaxModuleFileBytes = 256LL << 20; // a file of a module's data
inline constexpr qint64 MaxCollectionBytes = 256LL << 20; // the cross-reference collection

// Why the file cannot be read as an input; empty when it is a regular file of at most `limit`
// bytes.
QString InputFileProblem(const QString& path, qint64 limit);

// The same for every entry of a folder but its subfolders, the first problem naming its file;
// empty also for a folder that does not exist.
QString FolderFilesProblem(const QString& folder, qint64 limit);

// The mods.d folders libsword reads the configurations of: those of a module folder, or, for
// the installed modules, those of SWORD_PATH, the working folder, ~/.sword and the system's.
QStringList ConfigFolders(const QString& moduleFolder);
