// Times the import of the KJV module into a translation file, with its own references and
// with those of the cross-reference collection, and of the Serbian Ekavian module in Latin
// script with the collection's references, its glued verses split like the Ijekavian module's
// and numbered as Daničić numbered them: vidoslov-bench-import.
#include "BenchMain.h"
#include "Importer.h"
#include "SwordLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void ImportKjv(benchmark::State& state) {
    SwordLibrary library;
    QTemporaryDir dir;
    for (auto _ : state) {
        const ImportCounts counts =
            ImportModule(library, QStringLiteral("engKJV2006eb"), dir.path(),
                         QStringLiteral("kjv.mdb"), QStringLiteral("King James Version (1769)"));
        state.counters["verses"] = counts.verses;
    }
}
BENCHMARK(ImportKjv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void ImportKjvWithCollection(benchmark::State& state) {
    SwordLibrary library;
    QTemporaryDir dir;
    ImportOptions options;
    options.crossReferences = QStringLiteral(XREF_PATH);
    for (auto _ : state) {
        const ImportCounts counts = ImportModule(
            library, QStringLiteral("engKJV2006eb"), dir.path(), QStringLiteral("kjv.mdb"),
            QStringLiteral("King James Version (1769)"), options);
        state.counters["references"] = counts.references;
    }
}
BENCHMARK(ImportKjvWithCollection)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The Serbian modules unpacked beside the program folder by the build of the default texts.
void ImportSerbianWithCollection(benchmark::State& state) {
    const QString modules = QStringLiteral(PROGRAM_FOLDER) + QStringLiteral("../sword");
    if (!QFileInfo::exists(modules + QStringLiteral("/mods.d/srkdekavski.conf"))) {
        state.SkipWithError("the Serbian modules are not unpacked (make texts)");
        return;
    }
    SwordLibrary library(modules);
    QTemporaryDir dir;
    ImportOptions options;
    options.latin = true;
    options.crossReferences = QStringLiteral(XREF_PATH);
    options.versesLike = QStringLiteral("SrKDIjekav");
    options.numbering = Numbering::Danicic;
    for (auto _ : state) {
        const ImportCounts counts =
            ImportModule(library, QStringLiteral("SrKDEkavski"), dir.path(),
                         QStringLiteral("vidl.mdb"), QStringLiteral("Daničić-Karadžić"), options);
        state.counters["references"] = counts.references;
    }
}
BENCHMARK(ImportSerbianWithCollection)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!SwordLibrary().isBible(QStringLiteral("engKJV2006eb"))) {
        std::printf("vidoslov-bench-import: the SWORD module engKJV2006eb is not installed.\n");
        return 0;
    }
    return RunBenchmarks(argc, argv);
}
