#pragma once

#include "TranslationList.h"

#include <QList>
#include <QString>

class Query;

// The plain text a reader copies: a verse or a chapter with its place and its translation.

// One verse of a chapter: its number and text.
struct CopiedVerse {
    QString rbr;
    QString tekst;
};

// "Prva knjiga Mojsijeva 1:1 — U početku … (translation)".
QString VerseCopyText(const QString& bookTitle, const QString& chapter, const CopiedVerse& verse,
                      const QString& translation);

// One heading line "Prva knjiga Mojsijeva 1 (translation)", then a line "1. text" per verse.
QString ChapterCopyText(const QString& bookTitle, const QString& chapter,
                        const QList<CopiedVerse>& verses, const QString& translation);

// The name of a translation as the reader reads it: a pane's caption without its padding; the
// start caption "Osnovnik" is the default file's caption from the list, when it names one.
QString TranslationName(const QString& paneCaption, const QList<TranslationEntry>& list);

// The caption of a translation file in the list; the empty text when the list does not name it.
QString CaptionOfFile(const QString& fileName, const QList<TranslationEntry>& list);

// The chapter an open chapter query holds: its book code, chapter and verses; the query is left
// on its first row. False when it holds no row.
bool ReadCopiedChapter(Query& q, QString& knjiga, QString& glava, QList<CopiedVerse>& verses);

// Puts the text on the clipboard and, where there is one, on the selection.
void CopyToClipboard(const QString& text);
