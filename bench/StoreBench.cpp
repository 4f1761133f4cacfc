// Times the reader's queries on the default translation file of the program folder.
#include "BenchMain.h"
#include "DataModule.h"
#include "Query.h"
#include "SearchBench.h"

#include <QApplication>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString Folder;

void ReadAllRows(Query& q, benchmark::State& state) {
    qsizetype chars = 0;
    for (q.first(); !q.eof(); q.next())
        chars += q.fieldAsText("tekst").size();
    benchmark::DoNotOptimize(chars);
    state.counters["rows"] = q.recordCount();
}

// Psalm 119 on a pane query whose connection is already made, as on every later load.
void ChapterPsalm119(benchmark::State& state) {
    Query q;
    q.setConnectionString(TranslationConnectionString(DefaultTranslationFile, Folder));
    for (auto _ : state) {
        LoadChapter("vidoslov", "PSAL", 119, q, [&](Query& r) { ReadAllRows(r, state); });
    }
}
BENCHMARK(ChapterPsalm119)->Unit(benchmark::kMicrosecond);

// The same with a fresh query each time: the first load of a pane, connection included.
void ChapterPsalm119FirstLoad(benchmark::State& state) {
    for (auto _ : state) {
        Query q;
        q.setConnectionString(TranslationConnectionString(DefaultTranslationFile, Folder));
        LoadChapter("vidoslov", "PSAL", 119, q, [&](Query& r) { ReadAllRows(r, state); });
    }
}
BENCHMARK(ChapterPsalm119FirstLoad)->Unit(benchmark::kMicrosecond);

// A word search over the whole text, with the program's letter-case-blind like.
void SearchLamb(benchmark::State& state) {
    Query q;
    q.setConnectionString(TranslationConnectionString(DefaultTranslationFile, Folder));
    q.addLine("select * from vidoslov where tekst like '%jagnje%'");
    for (auto _ : state) {
        q.open();
        state.counters["rows"] = q.recordCount();
    }
}
BENCHMARK(SearchLamb)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The reports need fonts; no window is shown.
    PreferOffscreen();
    QApplication app(argc, argv);
    Folder = QStringLiteral(PROGRAM_FOLDER);
    const QString file = Folder + "baza/" + DefaultTranslationFile;
    if (!QFileInfo::exists(file)) {
        std::printf("vidoslov-bench: %s is missing (build it with make texts); nothing to time.\n",
                    qPrintable(file));
        return 0;
    }
    RegisterSearchBenches(Folder);
    return RunBenchmarks(argc, argv);
}
