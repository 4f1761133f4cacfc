#pragma once

#include <string>

struct sqlite3;

// The letter-case rules of the verse files: every letter, not only A-Z, compares without regard
// to case. Registers on a connection the collation FOLD (used by the `knjiga` column) and a
// `like` that folds case the same way, with "%" and "_" as wildcards and an optional ESCAPE.
void RegisterTextRules(sqlite3* db);

// Case-folded code points of a UTF-8 text. A byte that cannot start a character, and a
// sequence that is cut short, overlong, a surrogate or beyond U+10FFFF, each read as one U+FFFD.
void FoldUtf8(const unsigned char* text, int length, std::u32string& out);

// Whether a folded text matches a folded `like` pattern (wildcards already turned into
// LikeAnyRun and LikeAnyOne).
bool LikeMatch(const std::u32string& pattern, const std::u32string& text);
inline constexpr char32_t LikeAnyRun = 0x110000;
inline constexpr char32_t LikeAnyOne = 0x110001;

// The verse table of a translation file, with the index on (knjiga, glava, rbr).
inline constexpr const char* VerseTableSchema =
    "CREATE TABLE vidoslov (knjiga TEXT COLLATE FOLD, glava INTEGER, rbr INTEGER, "
    "tekst TEXT, pok TEXT);\n"
    "CREATE INDEX vidoslov_mesto ON vidoslov (knjiga, glava, rbr);\n";
