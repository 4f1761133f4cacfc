#include "Importer.h"

#include "BookCatalogue.h"
#include "CrossReferences.h"
#include "FileProperties.h"
#include "ImportError.h"
#include "ImportRules.h"
#include "InputFiles.h"
#include "ReferenceFile.h"
#include "SerbianLatin.h"
#include "SwordLibrary.h"
#include "TranslationList.h"
#include "VerseFileWriter.h"
#include "VerseRepair.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <tuple>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

using Row = VerseRow;

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

// The verses of a module as the module holds them, with the references of their notes; empty
// slots left out. `progress`, when given, is told 0 to 90 by the book.
std::vector<Row> ReadModuleRows(SwordLibrary& library, const QString& module,
                                const std::function<void(int)>& progress = {}) {
    std::vector<Row> rows;
    rows.reserve(32000);
    int told = -1;
    library.readVerses(module, [&](const SwordVerse& v) {
        Row row{CatalogueBookOfOsis(v.osisBook), v.chapter, v.verse, CleanVerseText(v.text), {}};
        // Reading is most of the work: 0 to 90 by the book.
        if (progress && row.book * 90 / BookCatalogue::BookCount != told)
            progress(told = row.book * 90 / BookCatalogue::BookCount);
        if (row.text.isEmpty())
            return;
        QStringList refs;
        for (const QString& osisRef : v.osisRefs)
            refs << CatalogueReference(osisRef);
        row.pok = JoinReferences(refs);
        rows.push_back(std::move(row));
    });
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return std::tie(a.book, a.chapter, a.verse) < std::tie(b.book, b.chapter, b.verse);
    });
    return rows;
}

// The verses of a module, glued verses split as `options` asks; in Latin script when `latin`
// is given; with the references of `references` when it is given, else with their own.
std::vector<Row> ReadRows(SwordLibrary& library, const QString& module,
                          const ImportOptions& options, const SerbianLatin* latin,
                          const ReferenceFile* references, QStringList& repairs) {
    std::vector<Row> rows = ReadModuleRows(library, module, options.progress);
    if (!options.versesLike.isEmpty())
        repairs << SplitLikeModel(rows, ReadModuleRows(library, options.versesLike));
    if (options.numbering == Numbering::Danicic)
        repairs << SplitGluedVerses(rows, GluedInTheSource, GluedInTheSourceCount);
    for (Row& row : rows) {
        if (latin)
            row.text = (*latin)(row.text);
        if (references)
            row.pok = references->at(row.book, row.chapter, row.verse);
    }
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

// Writes a list file through a temporary file; `beforeCommit`, when given, runs once the
// temporary file is written whole, before it takes the list's place.
void WriteListFile(const QString& path, const QByteArray& bytes,
                   const std::function<void()>& beforeCommit = {}) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // A failed write must not reach the rename: QSaveFile can commit a short file (a full
    // disk), so the written size is checked first.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && file.size() == bytes.size();
    if (written && beforeCommit)
        beforeCommit();
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
        throw ImportError(ExitCannotWrite, QStringLiteral("Cannot write %1: %2. The list and the "
                                                          "translation file are unchanged.")
                                               .arg(path, reason));
    }
}

// The list of a program folder with the translation's line put in. Throws ImportError.
QByteArray UpdatedListFile(const QString& path, const QString& fileName, const QString& caption) {
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
    return UpdateTranslationList(old, fileName, caption);
}

// Puts the written translation file and the list naming it in place together: both are
// written whole first; should the list still fail to take its place, the old translation file
// (kept through a second link to it) comes back.
void PutInPlaceTogether(VerseFileWriter& writer, const QString& target, const QString& listPath,
                        const QByteArray& list) {
    writer.complete();
    const QString kept = target + QStringLiteral(".prev");
    QFile::remove(kept);
    const bool hadOld = QFileInfo::exists(target);
    if (hadOld &&
        ::link(QFile::encodeName(target).constData(), QFile::encodeName(kept).constData()) != 0 &&
        !QFile::copy(target, kept))
        throw ImportError(ExitCannotWrite,
                          QStringLiteral("Cannot keep %1 while it is replaced.").arg(target));
    bool replaced = false;
    try {
        WriteListFile(listPath, list, [&] {
            writer.commit();
            replaced = true;
        });
    } catch (...) {
        if (replaced && hadOld)
            std::rename(QFile::encodeName(kept).constData(), QFile::encodeName(target).constData());
        else if (replaced)
            QFile::remove(target);
        QFile::remove(kept);
        throw;
    }
    QFile::remove(kept);
}

} // namespace

ImportCounts ImportModule(SwordLibrary& library, const QString& module,
                          const QString& programFolder, const QString& fileName,
                          const QString& caption, const ImportOptions& options) {
    CheckArguments(library, module, fileName, caption);
    if (!options.versesLike.isEmpty() && !library.isBible(options.versesLike))
        throw ImportError(ExitUsage, QStringLiteral("There is no SWORD Bible module \"%1\" to "
                                                    "take the verse boundaries from.")
                                         .arg(options.versesLike));
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
    const QString target = folder.absoluteFilePath(QStringLiteral("baza/") + fileName);
    VerseFileWriter writer(target);
    ImportCounts counts;
    std::vector<Row> rows =
        ReadRows(library, module, options, latin.get(), references.get(), counts.repairs);
    if (rows.empty())
        throw ImportError(
            ExitNoText,
            QStringLiteral("The module \"%1\" has no verse of the 66 books.").arg(module));
    if (collection) {
        if (options.numbering != Numbering::Kjv)
            collection->mapPlaces([&](PlaceKey key) {
                const Place p = MapPlace({key / 1000000, key / 1000 % 1000, key % 1000},
                                         Numbering::Kjv, options.numbering);
                return KeyOfPlace(p.book, p.chapter, p.verse);
            });
        counts.referencesLeftOut = TakeCrossReferences(*collection, rows);
    }
    std::set<int> books;
    for (const Row& row : rows) {
        writer.add(QString::fromUtf8(BookCatalogue::Codes[row.book - 1]), row.chapter, row.verse,
                   row.text, row.pok);
        books.insert(row.book);
        counts.references += row.pok.isEmpty() ? 0 : int(row.pok.count('|')) + 1;
        counts.versesWithReferences += row.pok.isEmpty() ? 0 : 1;
    }
    writer.setProperty(QString::fromLatin1(NumberingKey), NameOfNumbering(options.numbering));
    if (options.progress)
        options.progress(95);
    const QString listPath = folder.absoluteFilePath(TranslationListFile);
    PutInPlaceTogether(writer, target, listPath, UpdatedListFile(listPath, fileName, caption));
    counts.books = int(books.size());
    counts.verses = int(rows.size());
    return counts;
}

void UpdateTranslationListFile(const QString& programFolder, const QString& fileName,
                               const QString& caption) {
    const QString path = QDir(programFolder).absoluteFilePath(TranslationListFile);
    WriteListFile(path, UpdatedListFile(path, fileName, caption));
}

void RemoveTranslation(const QString& folder, const QString& fileName) {
    const QString path = QDir(folder).absoluteFilePath(TranslationListFile);
    QFile current(path);
    const QByteArray old = current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
    current.close();
    QByteArray kept;
    bool found = false;
    QList<QByteArray> lines = old.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (const QByteArray& line : lines) {
        const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
        const QString name = QString::fromLatin1(bare.left(20)).trimmed();
        if (!found && name.compare(fileName, Qt::CaseInsensitive) == 0)
            found = true;
        else
            kept += bare + "\r\n";
    }
    if (!found || FileNameProblem(fileName).size() > 0)
        throw ImportError(ExitUsage,
                          QStringLiteral("%1 lists no translation %2.").arg(path, fileName));
    WriteListFile(path, kept);
    QFile::remove(QDir(folder).absoluteFilePath(QStringLiteral("baza/") + fileName));
}

QStringList BibleModuleLines(const SwordLibrary& library) {
    QStringList lines;
    for (const SwordModuleInfo& m : library.modules())
        if (m.bible)
            lines << QStringLiteral("%1 - %2").arg(m.name, m.description);
    return lines;
}
