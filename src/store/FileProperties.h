#pragma once

#include "Numbering.h"

#include <QString>

// The key/value table beside the verse table of a translation file: what the importer records
// about the translation.
inline constexpr const char* PropertiesTableSchema =
    "CREATE TABLE properties (key TEXT PRIMARY KEY, value TEXT);\n";
// The key of the translation's numbering, valued with NameOfNumbering.
inline constexpr const char* NumberingKey = "numbering";

// A recorded value of a translation file; empty when the file has none, has no such table (a
// Jet file, a file of an earlier importer) or cannot be read.
QString FileProperty(const QString& path, const QString& key);

// The numbering of a translation file; the KJV's when the file records none.
Numbering NumberingOfFile(const QString& path);
// The same, read once per file and kept while the file stays unchanged.
Numbering CachedNumberingOfFile(const QString& path);
