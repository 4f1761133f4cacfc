// vidoslov-uvoz: builds a translation file of the reader from a SWORD Bible module.

#include "ImportError.h"
#include "Importer.h"
#include "ProgramFolder.h"
#include "SearchIndex.h"
#include "SwordLibrary.h"
#include "TranslationList.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <exception>
#include <new>

namespace {

const char* const Usage =
    "Usage: vidoslov-uvoz [--folder FOLDER | --system] [OPTIONS] MODULE FILE CAPTION\n"
    "       vidoslov-uvoz [--folder FOLDER | --system] --remove FILE\n"
    "       vidoslov-uvoz [--modules FOLDER] --list\n"
    "       vidoslov-uvoz --add-index PATH\n"
    "\n"
    "Reads the SWORD Bible module MODULE and writes the translation file baza/FILE of\n"
    "a folder, then puts the line of FILE with CAPTION into the translation list\n"
    "vidoslov.kv there (replacing the line of the same file). The folder is the user's\n"
    "own ($XDG_DATA_HOME/vidoslov, else ~/.local/share/vidoslov) unless --folder or\n"
    "--system is given. FILE is at most 20 characters long; CAPTION is what the\n"
    "translation menu shows. The verses get the cross references of the collection that\n"
    "comes with the program.\n"
    "Example: vidoslov-uvoz engKJV2006eb kjv.mdb \"King James Version (1769)\"\n"
    "\n"
    "Options:\n"
    "  -d, --folder FOLDER        write into FOLDER (a program folder, or any folder\n"
    "                             that holds baza/ and vidoslov.kv)\n"
    "      --system               write into /var/lib/vidoslov, for every user\n"
    "      --remove FILE          take FILE out of the list and remove baza/FILE\n"
    "  -m, --modules FOLDER       read the modules of FOLDER (the folder that holds\n"
    "                             mods.d) or of a module archive (.zip) instead of\n"
    "                             the installed ones\n"
    "      --latin                write a Serbian Cyrillic text in Latin script\n"
    "      --references-from PATH give each verse the cross references of the same\n"
    "                             verse in the translation file PATH\n"
    "      --cross-references FILE\n"
    "                             give each verse the cross references of the\n"
    "                             collection FILE (xz-compressed or plain lines\n"
    "                             \"gen 1:1<TAB>exo 20:11;...\"); a reference to a verse\n"
    "                             the translation does not hold is left out\n"
    "      --verses-like MODULE   split the verses the module glues together where the\n"
    "                             verses of MODULE (the same text in other word forms)\n"
    "                             begin, numbered as MODULE numbers them\n"
    "      --numbering NAME       the translation's numbering, kjv (the default) or\n"
    "                             danicic: recorded in the file; the cross references\n"
    "                             (in KJV numbering) are moved to it; the verses both\n"
    "                             Serbian modules glue are split\n"
    "      --no-cross-references  keep the module's own cross references\n"
    "      --progress             print \"progress N\" lines (N from 0 to 100)\n"
    "  -l, --list                 list the Bible modules\n"
    "      --add-index PATH       add the search index to the translation file PATH\n"
    "                             (written by older importers or other tools)\n"
    "  -h, --help                 show this text\n"
    "\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 unknown module, 3 not a Bible text,\n"
    "4 cannot write the file or the list, 5 the module has no verse of the 66 books,\n"
    "6 damaged module data or an input that is no regular file of a sane size,\n"
    "7 out of memory or another failure, 8 stopped by a signal (nothing written).\n";

volatile std::sig_atomic_t stopped = 0;

void Stop(int) {
    stopped = 1;
}

// The collection beside the installed program (share/vidoslov) or the built one.
QString DefaultCollection() {
    for (const char* relative : {"../../share/vidoslov/", "../share/vidoslov/"}) {
        const QString path =
            ProgramFolder() + QLatin1String(relative) + QStringLiteral("cross-references.tsv.xz");
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

// Unpacks a module archive into a temporary folder; false when unzip fails.
bool Unpack(const QString& archive, const QString& into) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-qq"), QStringLiteral("-o"), archive, QStringLiteral("-d"), into});
    return unzip.waitForFinished(-1) && unzip.exitStatus() == QProcess::NormalExit &&
           unzip.exitCode() == 0;
}

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
    std::signal(SIGTERM, Stop);
    std::signal(SIGINT, Stop);
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "help");
    const QCommandLineOption list({"l", "list"}, "list");
    const QCommandLineOption folder({"d", "folder"}, "folder", "FOLDER");
    const QCommandLineOption system("system", "system");
    const QCommandLineOption remove("remove", "remove", "FILE");
    const QCommandLineOption modules({"m", "modules"}, "modules", "FOLDER");
    const QCommandLineOption latin("latin", "latin");
    const QCommandLineOption references("references-from", "references", "PATH");
    const QCommandLineOption collection("cross-references", "cross references", "FILE");
    const QCommandLineOption versesLike("verses-like", "verse boundaries", "MODULE");
    const QCommandLineOption numbering("numbering", "numbering", "NAME");
    const QCommandLineOption noCollection("no-cross-references", "no cross references");
    const QCommandLineOption progress("progress", "progress");
    const QCommandLineOption addIndex("add-index", "add index", "PATH");
    parser.addOptions({help, list, folder, system, remove, modules, latin, references, collection,
                       versesLike, numbering, noCollection, progress, addIndex});
    if (!parser.parse(app.arguments()))
        return Fail(ExitUsage, parser.errorText() + QStringLiteral("\n") + Usage);
    if (parser.isSet(help)) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    if (parser.isSet(addIndex)) {
        try {
            AddSearchIndex(parser.value(addIndex));
        } catch (const SearchIndexError& e) {
            return Fail(ExitCannotWrite, QStringLiteral("Cannot add the search index to %1: %2")
                                             .arg(parser.value(addIndex), e.what()));
        }
        return ExitOk;
    }
    if (parser.isSet(folder) && parser.isSet(system))
        return Fail(ExitUsage, QStringLiteral("--folder and --system name two folders."));
    const QString programFolder = parser.isSet(folder)   ? parser.value(folder) + '/'
                                  : parser.isSet(system) ? QLatin1String(SystemTranslationFolder)
                                                         : UserTranslationFolder();
    if (parser.isSet(remove)) {
        try {
            RemoveTranslation(programFolder, parser.value(remove));
            return ExitOk;
        } catch (const ImportError& e) {
            return Fail(e.code(), e.text());
        }
    }
    QString moduleFolder = parser.value(modules);
    QTemporaryDir unpacked;
    if (moduleFolder.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive) &&
        QFileInfo(moduleFolder).isFile()) {
        if (!unpacked.isValid() || !Unpack(moduleFolder, unpacked.path()))
            return Fail(ExitUsage, QStringLiteral("Cannot unpack %1.").arg(moduleFolder));
        moduleFolder = unpacked.path();
    }
    if (parser.isSet(modules) && !QFileInfo(moduleFolder + "/mods.d").isDir())
        return Fail(ExitUsage,
                    QStringLiteral("%1 is no SWORD module folder (it has no mods.d folder).")
                        .arg(parser.value(modules)));
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
    const bool ownReferences =
        parser.isSet(references) || parser.isSet(collection) || parser.isSet(noCollection);
    try {
        const QString numberingName = parser.value(numbering).toLower();
        if (!numberingName.isEmpty() && numberingName != "kjv" && numberingName != "danicic")
            return Fail(ExitUsage,
                        QStringLiteral("The numbering is \"kjv\" or \"danicic\".\n") + Usage);
        ImportOptions options{parser.isSet(latin),
                              parser.value(references),
                              ownReferences ? parser.value(collection) : DefaultCollection(),
                              parser.value(versesLike),
                              numberingName == "danicic" ? Numbering::Danicic : Numbering::Kjv,
                              {}};
        const bool tell = parser.isSet(progress);
        options.progress = [tell](int percent) {
            if (stopped)
                throw ImportError(ExitCancelled, QStringLiteral("Stopped; nothing was written."));
            if (tell) {
                std::printf("progress %d\n", percent);
                std::fflush(stdout);
            }
        };
        const ImportCounts counts =
            ImportModule(library, args[0], programFolder, args[1], args[2], options);
        for (const QString& repair : counts.repairs)
            Print(stdout, repair);
        if (tell)
            Print(stdout, QStringLiteral("progress 100"));
        Print(stdout, QStringLiteral("%1: %2 books, %3 verses, %4 cross references.")
                          .arg(args[1])
                          .arg(counts.books)
                          .arg(counts.verses)
                          .arg(counts.references));
        if (!options.crossReferences.isEmpty())
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
