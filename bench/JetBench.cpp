// Times Jet 4 translation files: the first open, which loads the file into the shared
// in-memory image, every later open, and a chapter and a search on them. The Jet files are
// written beside the benchmark from the SQLite files built by make texts, with the same rows.
#include "BenchMain.h"
#include "DataModule.h"
#include "JetCache.h"
#include "JetImage.h"
#include "JetWriter.h"
#include "Query.h"
#include "Search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>

namespace {

QString JetFolder; // program folder whose baza/ holds the Jet files

// The rows of a SQLite translation file, in its order.
QVector<FixtureRow> RowsOf(const QString& file) {
    QVector<FixtureRow> rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "select knjiga, glava, rbr, tekst, pok from vidoslov", -1, &stmt,
                       nullptr);
    auto text = [&](int c) {
        const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
        return v ? QVariant(QString::fromUtf8(v)) : QVariant();
    };
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.push_back(
            {text(0), sqlite3_column_int(stmt, 1), sqlite3_column_int(stmt, 2), text(3), text(4)});
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QString Connection(const char* file) {
    return TranslationConnectionString(file, JetFolder);
}

void Open(Query& q, const char* file) {
    q.setConnectionString(Connection(file));
    q.clearSql();
    q.addLine("select * from vidoslov where knjiga='PSAL' and glava=117");
    q.open();
}

double MinOf(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

// Forgets the loaded images, and with `kept` false the images kept in the cache folder too.
void Forget(bool kept) {
    ForgetJetImages();
    if (!kept)
        QDir(JetCacheFolder()).removeRecursively();
}

// The first open of a file, no image kept: read, password checked, table loaded into the image;
// the search index is then built into a copy of the image on a thread of its own (JetIndexBuild).
void FirstOpen(benchmark::State& state, const char* file) {
    for (auto _ : state) {
        state.PauseTiming();
        Forget(false);
        state.ResumeTiming();
        Query q;
        Open(q, file);
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK_CAPTURE(FirstOpen, Latin, "vidl.mdb")->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(FirstOpen, Cyrillic, "ekavski.mdb")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The build of the index into a loaded image, off the first open.
void JetIndexBuild(benchmark::State& state) {
    ForgetJetImages();
    Query q;
    Open(q, "vidl.mdb");
    const auto image = LoadJetImage(
        [] {
            QFile f(JetFolder + "baza/vidl.mdb");
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }(),
        "zelmorka");
    for (auto _ : state)
        benchmark::DoNotOptimize(image->withSearchIndex());
}
BENCHMARK(JetIndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first open of a file until its search index serves, in process, wall time: cold, read from
// the file with the index built after (the image is then kept), and warm, from the kept image.
void FirstOpenWithIndex(benchmark::State& state, bool kept) {
    const QString path = JetFolder + "baza/vidl.mdb";
    for (auto _ : state) {
        state.PauseTiming();
        Forget(kept);
        if (kept) { // an earlier session's image
            Query q;
            Open(q, "vidl.mdb");
            WaitForJetSearchIndexes();
            ForgetJetImages();
        }
        state.ResumeTiming();
        Query q;
        Open(q, "vidl.mdb");
        AskForJetSearchIndex(path);
        WaitForJetSearchIndexes(false);
    }
    WaitForJetSearchIndexes();
    qint64 bytes = 0; // the size of the kept image
    for (const QFileInfo& image : QDir(JetCacheFolder()).entryInfoList(QDir::Files))
        bytes += image.size();
    state.counters["kept_MB"] = double(bytes) / (1 << 20);
    Forget(false);
}
BENCHMARK_CAPTURE(FirstOpenWithIndex, Cold, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(FirstOpenWithIndex, Warm, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// What a reader waits for when a pane first shows a Jet translation: the open, the image and the
// chapter query (chapter_ms); then the first search of the file, as the search dialog runs it
// (search_ms). Wall time, from a file no connection has read yet; cold, no image kept, or warm.
void FirstChapterThenSearch(benchmark::State& state, bool kept) {
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    SearchRequest request;
    request.words.required = {"jagnje"};
    request.file = "vidl.mdb";
    double chapter = 0, search = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Forget(kept);
        state.ResumeTiming();
        const auto start = Clock::now();
        Query pane;
        pane.setConnectionString(Connection("vidl.mdb"));
        LoadChapter("vidoslov", "PSAL", 119, pane, nullptr);
        const auto shown = Clock::now();
        benchmark::DoNotOptimize(RunSearch(request, JetFolder).rows.size());
        chapter += ms(shown - start);
        search += ms(Clock::now() - shown);
    }
    state.counters["chapter_ms"] = benchmark::Counter(chapter, benchmark::Counter::kAvgIterations);
    state.counters["search_ms"] = benchmark::Counter(search, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(FirstChapterThenSearch, Cold, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ComputeStatistics("min", MinOf);
BENCHMARK_CAPTURE(FirstChapterThenSearch, Warm, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ComputeStatistics("min", MinOf);

// Every later open: a new connection on the loaded image.
void LaterOpen(benchmark::State& state) {
    Query first;
    Open(first, "vidl.mdb");
    for (auto _ : state) {
        Query q;
        Open(q, "vidl.mdb");
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(LaterOpen)->Unit(benchmark::kMicrosecond);

// Psalm 119 and a word search on the Jet file, as on the SQLite one in vidoslov-bench.
void JetChapterPsalm119(benchmark::State& state) {
    Query q;
    q.setConnectionString(Connection("vidl.mdb"));
    for (auto _ : state)
        LoadChapter("vidoslov", "PSAL", 119, q, nullptr);
}
BENCHMARK(JetChapterPsalm119)->Unit(benchmark::kMicrosecond);

void JetSearchLamb(benchmark::State& state) {
    Query q;
    q.setConnectionString(Connection("vidl.mdb"));
    q.addLine("select * from vidoslov where tekst like '%jagnje%'");
    for (auto _ : state) {
        q.open();
        state.counters["rows"] = q.recordCount();
    }
}
BENCHMARK(JetSearchLamb)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir cache; // the images the benchmark keeps
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    QCoreApplication app(argc, argv);
    const QString baza = QStringLiteral(PROGRAM_FOLDER) + "baza/";
    QTemporaryDir dir;
    JetFolder = dir.path() + '/';
    QDir(JetFolder).mkpath("baza");
    for (const char* file : {"vidl.mdb", "ekavski.mdb"}) {
        if (!QFileInfo::exists(baza + file)) {
            std::printf("vidoslov-bench-jet: %s is missing (build it with make texts); nothing "
                        "to time.\n",
                        qPrintable(baza + file));
            return 0;
        }
        WriteJetVerseFile(JetFolder + "baza/" + file, RowsOf(baza + file),
                          {.password = "zelmorka"});
    }
    return RunBenchmarks(argc, argv);
}
