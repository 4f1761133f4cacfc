// vidoslov-uvoz: builds a translation file of the reader from an installed SWORD Bible module.

#include "ImportError.h"
#include "Importer.h"
#include "ProgramFolder.h"
#include "SwordLibrary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const char* const Usage =
    "Usage: vidoslov-uvoz [--folder FOLDER] MODULE FILE CAPTION\n"
    "       vidoslov-uvoz --list\n"
    "\n"
    "Reads the installed SWORD Bible module MODULE and writes the translation file\n"
    "baza/FILE of the program folder, then puts the line of FILE with CAPTION into the\n"
    "translation list vidoslov.kv there (replacing the line of the same file).\n"
    "FILE is at most 20 characters long; CAPTION is what the translation menu shows.\n"
    "Example: vidoslov-uvoz engKJV2006eb kjv.mdb \"King James Version (1769)\"\n"
    "\n"
    "Options:\n"
    "  -d, --folder FOLDER  the program folder (default: the importer's own folder)\n"
    "  -l, --list           list the installed Bible modules\n"
    "  -h, --help           show this text\n"
    "\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 unknown module, 3 not a Bible text,\n"
    "4 cannot write the file or the list, 5 the module has no verse of the 66 books.\n";

void Print(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

int Fail(int code, const QString& text) {
    Print(stderr, QStringLiteral("vidoslov-uvoz: ") + text);
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "help");
    const QCommandLineOption list({"l", "list"}, "list");
    const QCommandLineOption folder({"d", "folder"}, "folder", "FOLDER");
    parser.addOptions({help, list, folder});
    if (!parser.parse(app.arguments()))
        return Fail(ExitUsage, parser.errorText() + QStringLiteral("\n") + Usage);
    if (parser.isSet(help)) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    SwordLibrary library;
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
        const ImportCounts counts = ImportModule(library, args[0], programFolder, args[1], args[2]);
        Print(stdout, QStringLiteral("%1: %2 books, %3 verses, %4 cross references.")
                          .arg(args[1])
                          .arg(counts.books)
                          .arg(counts.verses)
                          .arg(counts.references));
        return ExitOk;
    } catch (const ImportError& e) {
        return Fail(e.code(), e.text());
    }
}
