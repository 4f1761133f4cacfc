#include "Importer.h"

#include "BookCatalogue.h"
#include "CrossReferences.h"
#include "ImportError.h"
#include "ImportRules.h"
#include "InputFiles.h"
#include "ReferenceFile.h"
#include "SerbianLatin.h"
#include "SwordLibrary.h"
#include "TranslationList.h"
#include "VerseFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace {

struct Row {
    int book, chapter, verse;
    QString text, pok;
};

QString BibleNames(const SwordLibrary& library) {
    QStringList names;
    for (const SwordModuleInfo& m : library.modules())
        if (m.bible)
            names << m.name;
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

void CheckArguments(const SwordLibrary& library, const QString& module, const QString& fileName,
                    const QString& caption) {
    for (const QString& problem : {FileNameProblem(fileName), CaptionProblem(caption)})
        if (!problem.isEmpty())
            throw ImportError(ExitUsage, problem);
    if (!library.has(module))
        throw ImportError(ExitUnknownModule,
                          QStringLiteral("There is no SWORD module \"%1\". Installed Bible "
                                         "modules: %2.")
                              .arg(module, BibleNames(library)));
    if (!library.isBible(module))
        throw ImportError(ExitNotBible, QStringLiteral("The SWORD module \"%1\" is not a Bible "
                                                       "text. Installed Bible modules: %2.")
                                            .arg(module, BibleNames(library)));
}

// The verses of a module; in Latin script when `latin` is given; with the references of
// `references` when it is given, else with their own.
std::vector<Row> ReadRows(SwordLibrary& library, const QString& module, const SerbianLatin* latin,
                          const ReferenceFile* references) {
    std::vector<Row> rows;
    rows.reserve(32000);
    library.readVerses(module, [&](const SwordVerse& v) {
        Row row{CatalogueBookOfOsis(v.osisBook), v.chapter, v.verse, CleanVerseText(v.text), {}};
        if (row.text.isEmpty())
            return;
        if (latin)
            row.text = (*latin)(row.text);
        if (references) {
            row.pok = references->at(row.book, row.chapter, row.verse);
        } else {
            QStringList refs;
            for (const QString& osisRef : v.osisRefs)
                refs << CatalogueReference(osisRef);
            row.pok = JoinReferences(refs);
        }
        rows.push_back(std::move(row));
    });
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return std::tie(a.book, a.chapter, a.verse) < std::tie(b.book, b.chapter, b.verse);
    });
    return rows;
}

// Gives every row the collection's references to verses the rows hold; the number of the
// collection's references left out.
int TakeCrossReferences(const CrossReferences& collection, std::vector<Row>& rows) {
    std::unordered_set<PlaceKey> held;
    held.reserve(rows.size());
    for (const Row& row : rows)
        held.insert(KeyOfPlace(row.book, row.chapter, row.verse));
    int taken = 0;
    for (Row& row : rows) {
        row.pok = collection.pokOf(KeyOfPlace(row.book, row.chapter, row.verse), held);
        taken += row.pok.isEmpty() ? 0 : int(row.pok.count('|')) + 1;
    }
    return collection.size() - taken;
}

} // namespace

ImportCounts ImportModule(SwordLibrary& library, const QString& module,
                          const QString& programFolder, const QString& fileName,
                          const QString& caption, const ImportOptions& options) {
    CheckArguments(library, module, fileName, caption);
    if (!options.referencesFrom.isEmpty() && !options.crossReferences.isEmpty())
        throw ImportError(ExitUsage, QStringLiteral("The references come either from a "
                                                    "translation file or from a collection, "
                                                    "not from both."));
    const auto collection = options.crossReferences.isEmpty()
                                ? nullptr
                                : std::make_unique<CrossReferences>(options.crossReferences);
    const auto latin = options.latin ? std::make_unique<SerbianLatin>() : nullptr;
    const auto references = options.referencesFrom.isEmpty()
                                ? nullptr
                                : std::make_unique<ReferenceFile>(options.referencesFrom);
    const QDir folder(programFolder);
    if (!folder.mkpath(QStringLiteral("baza")))
        throw ImportError(
            ExitCannotWrite,
            QStringLiteral("Cannot create the folder %1.").arg(folder.absoluteFilePath("baza")));
    VerseFileWriter writer(folder.absoluteFilePath(QStringLiteral("baza/") + fileName));
    std::vector<Row> rows = ReadRows(library, module, latin.get(), references.get());
    if (rows.empty())
        throw ImportError(
            ExitNoText,
            QStringLiteral("The module \"%1\" has no verse of the 66 books.").arg(module));
    ImportCounts counts;
    if (collection)
        counts.referencesLeftOut = TakeCrossReferences(*collection, rows);
    std::set<int> books;
    for (const Row& row : rows) {
        writer.add(QString::fromUtf8(BookCatalogue::Codes[row.book - 1]), row.chapter, row.verse,
                   row.text, row.pok);
        books.insert(row.book);
        counts.references += row.pok.isEmpty() ? 0 : int(row.pok.count('|')) + 1;
        counts.versesWithReferences += row.pok.isEmpty() ? 0 : 1;
    }
    writer.commit();
    counts.books = int(books.size());
    counts.verses = int(rows.size());
    UpdateTranslationListFile(programFolder, fileName, caption);
    return counts;
}

void UpdateTranslationListFile(const QString& programFolder, const QString& fileName,
                               const QString& caption) {
    const QString path = QDir(programFolder).absoluteFilePath(TranslationListFile);
    QByteArray old;
    QFile current(path);
    if (current.exists()) {
        const QString problem = InputFileProblem(path, MaxConfigBytes);
        if (!problem.isEmpty())
            throw ImportError(ExitCannotWrite, QStringLiteral("Spisak prevoda se ne može "
                                                              "pročitati: %1.")
                                                   .arg(problem));
        if (!current.open(QIODevice::ReadOnly))
            throw ImportError(
                ExitCannotWrite,
                QStringLiteral("Cannot read %1: %2").arg(path, current.errorString()));
        old = current.readAll();
    }
    const QByteArray bytes = UpdateTranslationList(old, fileName, caption);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // A failed write must not reach the rename: QSaveFile can commit a short file (a full
    // disk), so the written size is checked first.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && file.size() == bytes.size();
    if (!written || !file.commit()) {
        const QString error = file.errorString();
        const bool failed = file.error() != QFileDevice::NoError;
        file.cancelWriting(); // the temporary file goes, and with it the room it took
        const QStorageInfo disk(QFileInfo(path).absolutePath());
        const QString reason = disk.bytesAvailable() < bytes.size()
                                   ? QStringLiteral("the disk is full (%1 bytes free, %2 needed)")
                                         .arg(disk.bytesAvailable())
                                         .arg(bytes.size())
                               : failed ? error
                                        : QStringLiteral("the file was not written whole");
        throw ImportError(ExitCannotWrite, QStringLiteral("Cannot write %1: %2. The list is "
                                                          "unchanged.")
                                               .arg(path, reason));
    }
}

QStringList BibleModuleLines(const SwordLibrary& library) {
    QStringList lines;
    for (const SwordModuleInfo& m : library.modules())
        if (m.bible)
            lines << QStringLiteral("%1 - %2").arg(m.name, m.description);
    return lines;
}
