#pragma once

#include "Numbering.h"

#include <QString>
#include <QStringList>
#include <functional>

class SwordLibrary;

struct ImportCounts {
    int books = 0;
    int verses = 0;
    int references = 0;
    int versesWithReferences = 0;
    int referencesLeftOut = 0; // of the collection: their verse is not in the translation
    QStringList repairs;       // what was done to the module's verses, one line each
};

struct ImportOptions {
    bool latin = false;      // the text converted from Serbian Cyrillic into Latin script
    QString referencesFrom;  // a translation file whose references the verses take instead
    QString crossReferences; // a cross-reference collection the verses take them from instead
    QString versesLike;      // a module of the same text whose verse boundaries glued verses take
    Numbering numbering = Numbering::Kjv; // recorded in the file; the collection is mapped to it
    // Told the share done, 0 to 100, as the import goes on; may throw to stop it.
    std::function<void(int)> progress;
};

// Reads a Bible module and writes programFolder/baza/fileName, then puts the translation's
// line into programFolder/vidoslov.kv. Throws ImportError; on failure an existing
// translation file and list stay as they were.
ImportCounts ImportModule(SwordLibrary& library, const QString& module,
                          const QString& programFolder, const QString& fileName,
                          const QString& caption, const ImportOptions& options = {});

// Puts the translation's line into the list file of a program folder (through a temporary
// file). Throws ImportError.
void UpdateTranslationListFile(const QString& programFolder, const QString& fileName,
                               const QString& caption);

// Takes a translation out of a folder's list and removes its file. Throws ImportError when the
// folder has no such translation or the list cannot be written.
void RemoveTranslation(const QString& folder, const QString& fileName);

// The installed modules, "name - description", Bible texts only.
QStringList BibleModuleLines(const SwordLibrary& library);
