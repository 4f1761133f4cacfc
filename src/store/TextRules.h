#pragma once

#include <string>

struct sqlite3;

// The letter-case rules of the verse files: every letter, not only A-Z, compares without regard
// to case. Registers on a connection a collation that folds case, under the standard name
// NOCASE (which the `knjiga` column names, so that any SQLite tool reads the files) and under
// FOLD (which files of earlier importers name), and a `like` that folds case the same way,
// with "%" and "_" as wildcards and an optional ESCAPE.
void RegisterTextRules(sqlite3* db);

// Case-folded code points of a UTF-8 text. A byte that cannot start a character, and a
// sequence that is cut short, overlong, a surrogate or beyond U+10FFFF, each read as one U+FFFD.
void FoldUtf8(const unsigned char* text, int length, std::u32string& out);

// Whether a folded text matches a folded `like` pattern (wildcards already turned into
// LikeAnyRun and LikeAnyOne).
bool LikeMatch(const std::u32string& pattern, const std::u32string& text);
inline constexpr char32_t LikeAnyRun = 0x110000;
inline constexpr char32_t LikeAnyOne = 0x110001;

// Whether a UTF-8 text holds a character outside ASCII that folds to an ASCII letter: the Kelvin
// sign (to "k") or the long s (to "s").
bool HoldsFoldingToAscii(const unsigned char* text, size_t length);

// A `like` pattern (UTF-8), folded once, laid on any number of texts as the SQL `like` of
// RegisterTextRules lays it.
class LikePattern {
public:
    static constexpr char32_t NoEscape = 0xFFFFFFFF;
    LikePattern(const unsigned char* pattern, int length, char32_t escape = NoEscape);
    // Whether a UTF-8 text matches it; mayFoldToAscii false says that the text holds no character
    // HoldsFoldingToAscii looks for.
    bool Matches(const unsigned char* text, size_t length, bool mayFoldToAscii = true) const;

private:
    std::u32string folded_;
    // For "%word%" with a word of ASCII characters only: the word, folded. Such a word is found
    // in the bytes of a text directly.
    std::string asciiInfix_;
};

// The verse table of a translation file, with the index on (knjiga, glava, rbr). Book codes
// are capital letters A-Z, digits, blanks, "." and "č", which SQLite's own NOCASE orders as
// the folding collation does: the index serves both.
inline constexpr const char* VerseTableSchema =
    "CREATE TABLE vidoslov (knjiga TEXT COLLATE NOCASE, glava INTEGER, rbr INTEGER, "
    "tekst TEXT, pok TEXT);\n"
    "CREATE INDEX vidoslov_mesto ON vidoslov (knjiga, glava, rbr);\n";
