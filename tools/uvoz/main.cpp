// vidoslov-uvoz: builds a translation file of the reader from a SWORD Bible module.

#include "ImportError.h"
#include "Importer.h"
#include "ProgramFolder.h"
#include "SwordLibrary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <new>

namespace {

const char* const Usage =
    "Usage: vidoslov-uvoz [--folder FOLDER] MODULE FILE CAPTION\n"
    "       vidoslov-uvoz --list\n"
    "\n"
    "Reads the SWORD Bible module MODULE and writes the translation file\n"
    "baza/FILE of the program folder, then puts the line of FILE with CAPTION into the\n"
    "translation list vidoslov.kv there (replacing the line of the same file).\n"
    "FILE is at most 20 characters long; CAPTION is what the translation menu shows.\n"
    "Example: vidoslov-uvoz engKJV2006eb kjv.mdb \"King James Version (1769)\"\n"
    "\n"
    "Options:\n"
    "  -d, --folder FOLDER        the program folder (default: the importer's own folder)\n"
    "  -m, --modules FOLDER       read the modules of FOLDER (the folder that holds\n"
    "                             mods.d) instead of the installed ones\n"
    "      --latin                write a Serbian Cyrillic text in Latin script\n"
    "      --references-from PATH give each verse the cross references of the same\n"
    "                             verse in the translation file PATH\n"
    "      --cross-references FILE\n"
    "                             give each verse the cross references of the\n"
    "                             collection FILE (xz-compressed or plain lines\n"
    "                             \"gen 1:1<TAB>exo 20:11;...\"); a reference to a verse\n"
    "                             the translation does not hold is left out\n"
    "  -l, --list                 list the Bible modules\n"
    "  -h, --help                 show this text\n"
    "\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 unknown module, 3 not a Bible text,\n"
    "4 cannot write the file or the list, 5 the module has no verse of the 66 books,\n"
    "6 damaged module data or an input that is no regular file of a sane size,\n"
    "7 out of memory or another failure.\n";

void Print(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

int Fail(int code, const QString& text) {
    Print(stderr, QStringLiteral("vidoslov-uvoz: ") + text);
    return code;
}

} // namespace

static int RunImporter(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "help");
    const QCommandLineOption list({"l", "list"}, "list");
    const QCommandLineOption folder({"d", "folder"}, "folder", "FOLDER");
    const QCommandLineOption modules({"m", "modules"}, "modules", "FOLDER");
    const QCommandLineOption latin("latin", "latin");
    const QCommandLineOption references("references-from", "references", "PATH");
    const QCommandLineOption collection("cross-references", "cross references", "FILE");
    parser.addOptions({help, list, folder, modules, latin, references, collection});
    if (!parser.parse(app.arguments()))
        return Fail(ExitUsage, parser.errorText() + QStringLiteral("\n") + Usage);
    if (parser.isSet(help)) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    const QString moduleFolder = parser.value(modules);
    if (parser.isSet(modules) && !QFileInfo(moduleFolder + "/mods.d").isDir())
        return Fail(ExitUsage,
                    QStringLiteral("%1 is no SWORD module folder (it has no mods.d folder).")
                        .arg(moduleFolder));
    SwordLibrary library(moduleFolder);
    if (parser.isSet(list)) {
        const QStringList lines = BibleModuleLines(library);
        for (const QString& line : lines)
            Print(stdout, line);
        if (lines.isEmpty())
            Print(stderr, QStringLiteral("No SWORD Bible module is installed."));
        return ExitOk;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3)
        return Fail(ExitUsage, QStringLiteral("expected MODULE FILE CAPTION.\n") + Usage);
    const QString programFolder = parser.isSet(folder) ? parser.value(folder) : ProgramFolder();
    try {
        const ImportOptions options{parser.isSet(latin), parser.value(references),
                                    parser.value(collection)};
        const ImportCounts counts =
            ImportModule(library, args[0], programFolder, args[1], args[2], options);
        Print(stdout, QStringLiteral("%1: %2 books, %3 verses, %4 cross references.")
                          .arg(args[1])
                          .arg(counts.books)
                          .arg(counts.verses)
                          .arg(counts.references));
        if (parser.isSet(collection))
            Print(stdout, QStringLiteral("%1 verses got cross references; %2 references of the "
                                         "collection were left out (their verse is not in this "
                                         "translation).")
                              .arg(counts.versesWithReferences)
                              .arg(counts.referencesLeftOut));
        return ExitOk;
    } catch (const ImportError& e) {
        return Fail(e.code(), e.text());
    }
}

// No failure leaves the importer as an exception: each ends it with a message and an exit code.
int main(int argc, char* argv[]) {
    try {
        return RunImporter(argc, argv);
    } catch (const ImportError& e) {
        return Fail(e.code(), e.text());
    } catch (const std::bad_alloc&) {
        return Fail(ExitFailed, QStringLiteral("Nema dovoljno memorije."));
    } catch (const std::exception& e) {
        return Fail(ExitFailed, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return Fail(ExitFailed, QStringLiteral("Neočekivana greška."));
    }
}
