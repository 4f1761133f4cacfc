#pragma once

#include "VerseMemory.h"

#include <QString>
#include <memory>

// The verse texts of translation files kept in memory for searching (VerseMemory), by
// connection string. Each file's texts are read once on a thread of their own, and read again
// after the file has changed. At most KeptFiles files are kept; the one searched longest ago
// goes first. Any thread may ask.

inline constexpr int KeptFiles = 3;

// The texts of the file of a connection string, read since the file last changed; nothing
// while they are being read (the reading starts now unless it is under way), or when they
// cannot be read or held (the search statement then reads the file itself).
std::shared_ptr<const VerseMemory> KeptVerses(const QString& connectionString);

// Waits until every reading under way has ended.
void WaitForKeptVerses();

// Drops every kept text.
void ForgetKeptVerses();
