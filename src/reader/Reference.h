#pragma once

#include <QString>

// "0" to "9" only.
bool IsDigit(QChar c);

// The text without leading and trailing blanks and control characters.
QString TrimBlanks(const QString& text);

// Reads a verse reference ("1 MOJ 10:5", "2 KOR. 3:4", "MAT 1:2,") into a book code, a
// chapter and a verse, written in that order. The chapter is the number between the book and
// the first ":", the verse the digits after the last ":". A chapter or verse that is not a
// whole number throws ConvertError after the parts before it have been written. A text with
// no digit after its first character, with only blanks or a full stop before that digit, or
// with no ":" after it, throws ConvertError for the whole text and writes nothing.
void ParseReference(const QString& text, QString& bookCode, int& chapter, int& verse);

// The message for a reference to a book the catalogue does not know.
QString UnknownBookText(const QString& code);
