#pragma once

#include <QString>
#include <string>

struct sqlite3;

// The folding of the search that ignores diacritics and script: letter case folded, Serbian
// Cyrillic written in Latin (ICU's "Serbian-Latin/BGN"), č ć → c, š → s, ž → z, đ → dj, and
// every other combining mark dropped after decomposition. "Čovek", "човек" and "covek" all
// fold to "covek"; "ђаво" and "đavo" to "djavo".
QString FoldForSearch(const QString& text);

// The folding of one character (a code point); a mark folds to nothing.
QString FoldCharForSearch(char32_t c);

// The same on UTF-8 text; out is replaced.
void FoldUtf8ForSearch(const char* text, int length, std::string& out);

// The SQL function folded(text) on a connection: the folded text, NULL for NULL.
inline constexpr const char* FoldedFunction = "folded";
void RegisterFolding(sqlite3* db);
