#pragma once

#include "Query.h"
#include "TranslationList.h"

#include <QString>
#include <QStringList>
#include <functional>

// The path of a translation file in the folder baza/ of a program folder, or the file's name
// itself when it is an absolute path.
QString TranslationFilePath(const QString& file, const QString& programFolder);
// The connection string of a translation file in the folder baza/ of a program folder, or of
// the file itself when its name is an absolute path.
QString TranslationConnectionString(const QString& file, const QString& programFolder);
// The same, in the folder of the running program.
QString TranslationConnectionString(const QString& file);

// The data module: the four queries through which the windows read the verse table.
class TBaze {
public:
    explicit TBaze(const QString& programFolder);
    TBaze();
    ~TBaze();
    TBaze(const TBaze&) = delete;
    TBaze& operator=(const TBaze&) = delete;

    void DataModuleCreate();
    void DataModuleDestroy();
    const QString& programFolder() const { return programFolder_; }

    Query Query1;     // pane 1 (left)
    Query Query2;     // pane 2 (right)
    Query Query3;     // pane 3 (middle)
    Query QueryTekst; // chapter to be printed

    // The query of pane 1, 2 or 3.
    Query& PaneQuery(int pane);

private:
    QString programFolder_;
};

// A book code as an SQL text literal that selects exactly that code, quotes and NULs included.
QString BookCodeLiteral(const QString& bookCode);

// The two lines of the chapter query.
QStringList ChapterStatement(const QString& table, const QString& bookCode, int chapter);

// Runs the chapter query on q and hands the open query, on its first row, to the layout;
// afterwards q stands on its first row again.
void LoadChapter(const QString& table, const QString& bookCode, int chapter, Query& q,
                 const std::function<void(Query&)>& layout);

// The text of one verse in the translation file a query is connected to; empty when the file
// holds no such verse.
QString VerseText(const QString& table, const QString& bookCode, int chapter, int verse,
                  const Query& paneQuery);

// The last chapter of a book in the translation file a query is connected to; 0 when the file
// holds no chapter of it.
int LastChapter(const QString& table, const QString& bookCode, const Query& paneQuery);
