#pragma once

#include "QueryBuilder.h"

#include <QString>

// How the search windows write numbers and words for the reader.

// A count with dots between thousands: 1.083.
QString GroupedCount(int n);

// Every word that takes part in a search, list by list: "pastir, mana; ne: vuk; bar jedna: a, b".
QString WordsLine(const SearchWords& words);
