// Times the import of the KJV module into a translation file: vidoslov-bench-import.
#include "BenchMain.h"
#include "Importer.h"
#include "SwordLibrary.h"

#include <QCoreApplication>
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!SwordLibrary().isBible(QStringLiteral("engKJV2006eb"))) {
        std::printf("vidoslov-bench-import: the SWORD module engKJV2006eb is not installed.\n");
        return 0;
    }
    return RunBenchmarks(argc, argv);
}
