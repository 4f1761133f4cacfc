#pragma once

#include <QString>

// Connection strings: "key=value" pairs separated by ";". A value that holds ";" or begins
// with a quote is written between double quotes, a double quote inside doubled.

// The value written for a key: quoted when it has to be, unchanged otherwise.
QString ConnectionValue(const QString& value);

// The value of a key (letter case ignored) of a connection string, unquoted; empty when the
// string has no such key.
QString ConnectionStringValue(const QString& text, const QString& key);
