// Times chapters with many cross references in a reading pane: the query, the layout of a
// label per reference and the painting of the pane. A chapter of one verse with N references,
// and, on the default translation file beside the program, Psalm 119 and the slowest chapter
// of the whole text. vidoslov-bench-layout [benchmark options]
#include "BenchMain.h"
#include "ChapterLayout.h"
#include "DataModule.h"
#include "PaneLabels.h"
#include "Query.h"
#include "ScrollBox.h"
#include "TextRules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace {

QString Folder;       // of the made-up chapters
QString ProgramFiles; // the program folder, with the default translation file
bool HasDefaultText = false;

// baza/N.mdb: chapter 1 of 1 MOJ, one verse with N references.
void WriteChapter(int references) {
    const QString path = Folder + QStringLiteral("baza/%1.mdb").arg(references);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    RegisterTextRules(db);
    sqlite3_exec(db, VerseTableSchema, nullptr, nullptr, nullptr);
    QStringList refs;
    for (int i = 0; i < references; ++i)
        refs << QStringLiteral("MAT %1:%2").arg(i / 50 + 1).arg(i % 50 + 1);
    const QByteArray pok = refs.join('|').toUtf8();
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO vidoslov VALUES ('1 MOJ', 1, 1, 'Stih.', ?)", -1, &insert,
                       nullptr);
    sqlite3_bind_text(insert, 1, pok.constData(), int(pok.size()), SQLITE_STATIC);
    sqlite3_step(insert);
    sqlite3_finalize(insert);
    sqlite3_close(db);
}

// A pane of its own, as the main window has three.
struct Pane {
    QWidget host;
    TScrollBox* box = new TScrollBox(&host);
    PaneLabels state;
    PaneEntry entry;

    Pane() {
        host.resize(420, 620);
        box->setGeometry(0, 0, 400, 600);
        box->Tag = 1;
        host.show();
        entry.verse = 1;
    }
    ~Pane() { state.Labels.FreeAll(); }

    // Shows the chapter of N.mdb, painted; returns the milliseconds of the layout.
    qint64 show(int references) {
        return show(Folder, QStringLiteral("%1.mdb").arg(references), QStringLiteral("1 MOJ"), 1);
    }

    // Shows a chapter of a translation file, painted; returns the milliseconds of the layout.
    qint64 show(const QString& folder, const QString& file, const QString& book, int chapter) {
        Query q;
        q.setConnectionString(TranslationConnectionString(file, folder));
        state.LabelsUsed[1] = 0;
        QElapsedTimer timer;
        timer.start();
        LoadChapter(QStringLiteral("vidoslov"), book, chapter, q,
                    [&](Query& r) { LayoutChapter(state, entry, *box, r); });
        const qint64 laid = timer.elapsed();
        box->repaint();
        QApplication::processEvents();
        return laid;
    }
};

// The processor time this thread has used, in milliseconds.
double ThreadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Every chapter of the default translation file, in the order of the text.
std::vector<std::pair<QString, int>> Chapters() {
    Query q;
    q.setConnectionString(TranslationConnectionString(DefaultTranslationFile, ProgramFiles));
    q.addLine(QStringLiteral(
        "select knjiga, glava, min(rowid) as r from vidoslov group by knjiga, glava order by r"));
    q.open();
    std::vector<std::pair<QString, int>> chapters;
    for (q.first(); !q.eof(); q.next())
        chapters.emplace_back(q.fieldAsText(QStringLiteral("knjiga")),
                              q.fieldAsText(QStringLiteral("glava")).toInt());
    return chapters;
}

// A fresh pane shows the chapter: labels created, laid out and painted.
void ChapterWithReferences(benchmark::State& state) {
    const int references = int(state.range(0));
    WriteChapter(references);
    for (auto _ : state) {
        state.PauseTiming();
        auto pane = std::make_unique<Pane>();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const qint64 laid = pane->show(references);
        state.counters["labels"] = pane->state.LabelsUsed[1];
        state.counters["layout_ms"] = double(laid);
        state.counters["paint_ms"] = double(timer.elapsed() - laid);
        state.PauseTiming();
        pane.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ChapterWithReferences)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The pane that shows the chapter moves to a short one and back: its labels are reused.
void ChapterAgain(benchmark::State& state) {
    const int references = int(state.range(0));
    WriteChapter(references);
    WriteChapter(1);
    Pane pane;
    pane.show(references);
    for (auto _ : state) {
        state.counters["short_ms"] = double(pane.show(1));
        state.counters["again_ms"] = double(pane.show(references));
    }
}
BENCHMARK(ChapterAgain)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The resident memory of the process, in megabytes.
double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The memory the process holds allocated, in megabytes: unlike the resident memory, it does
// not hide what reuses memory freed by an earlier benchmark.
double AllocatedMegabytes() {
    return double(mallinfo2().uordblks) / (1024 * 1024);
}

// Psalm 119 of the default file with all its references: 176 verses and about 2,300
// references laid out and painted, in one pane and in three, as three linked panes show it.
// Psalm119: fresh panes. Psalm119Prepared: panes whose labels were prepared while the program
// was idle, as it leaves them after start-up; heap_mb: the memory that preparation allocates;
// rss_mb: what it added to the resident memory (telling only when this benchmark runs alone).
// cpu_ms: the processor time of this thread (target 12 in one pane, 30 in three), which other
// programs on the machine do not blur.
void ShowPsalm119(benchmark::State& state, bool prepared) {
    if (!HasDefaultText) {
        state.SkipWithError("no default translation file beside the program");
        return;
    }
    const int panes = int(state.range(0));
    std::vector<double> cpus;
    double rss = -1, heap = -1;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<Pane>> shown;
        for (int i = 0; i < panes; ++i)
            shown.push_back(std::make_unique<Pane>());
        QApplication::processEvents();
        if (prepared) {
            const double before = ResidentMegabytes(), allocated = AllocatedMegabytes();
            for (auto& pane : shown)
                PrepareLabels(pane->state, pane->entry, *pane->box, PreparedLabelCount,
                              PreparedLabelCount);
            QApplication::processEvents();
            if (rss < 0) {
                rss = ResidentMegabytes() - before;
                heap = AllocatedMegabytes() - allocated;
            }
        }
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const double cpu = ThreadMilliseconds();
        qint64 laid = 0;
        for (auto& pane : shown)
            laid += pane->show(ProgramFiles, DefaultTranslationFile, "PSAL", 119);
        cpus.push_back(ThreadMilliseconds() - cpu);
        state.counters["labels"] = shown.front()->state.LabelsUsed[1];
        state.counters["layout_ms"] = double(laid);
        state.counters["paint_ms"] = double(timer.elapsed() - laid);
        state.PauseTiming();
        shown.clear();
        state.ResumeTiming();
    }
    std::sort(cpus.begin(), cpus.end());
    state.counters["cpu_ms_min"] = cpus.front();
    state.counters["cpu_ms_median"] = cpus[cpus.size() / 2];
    if (prepared) {
        state.counters["rss_mb"] = rss;
        state.counters["heap_mb"] = heap;
    }
}
void Psalm119(benchmark::State& state) {
    ShowPsalm119(state, false);
}
void Psalm119Prepared(benchmark::State& state) {
    ShowPsalm119(state, true);
}
BENCHMARK(Psalm119)->Arg(1)->Arg(3)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Psalm119Prepared)
    ->Arg(1)
    ->Arg(3)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Genesis 1 and Psalm 119 of the default file in a fresh pane in each reference mode (all,
// the first three, none): layout and first paint. cpu_ms_min: the least processor time of
// this thread over the runs, which other programs on the machine do not blur.
void ChapterInMode(benchmark::State& state) {
    if (!HasDefaultText) {
        state.SkipWithError("no default translation file beside the program");
        return;
    }
    const bool psalm = state.range(0) == 119;
    const auto mode = ReferenceMode(state.range(1));
    std::vector<double> cpus, laids, walls;
    for (auto _ : state) {
        state.PauseTiming();
        auto pane = std::make_unique<Pane>();
        pane->entry.references = mode;
        QApplication::processEvents();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const double cpu = ThreadMilliseconds();
        laids.push_back(double(pane->show(ProgramFiles, DefaultTranslationFile,
                                          psalm ? "PSAL" : "1 MOJ", psalm ? 119 : 1)));
        cpus.push_back(ThreadMilliseconds() - cpu);
        walls.push_back(double(timer.nsecsElapsed()) / 1e6);
        state.counters["labels"] = pane->state.LabelsUsed[1];
        state.PauseTiming();
        pane.reset();
        state.ResumeTiming();
    }
    state.counters["cpu_ms_min"] = *std::min_element(cpus.begin(), cpus.end());
    state.counters["layout_ms_min"] = *std::min_element(laids.begin(), laids.end());
    state.counters["wall_ms_min"] = *std::min_element(walls.begin(), walls.end());
}
BENCHMARK(ChapterInMode)
    ->ArgsProduct({{1, 119},
                   {int(ReferenceMode::All), int(ReferenceMode::FirstThree),
                    int(ReferenceMode::None)}})
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Psalm 119 typed into a pane that showed Psalm 118 before: its labels are reused, as when a
// reader moves on. cpu_ms: the processor time of this thread (target 12).
void Psalm119Again(benchmark::State& state) {
    if (!HasDefaultText) {
        state.SkipWithError("no default translation file beside the program");
        return;
    }
    Pane pane;
    pane.show(ProgramFiles, DefaultTranslationFile, "PSAL", 119);
    std::vector<double> cpus;
    for (auto _ : state) {
        state.PauseTiming();
        pane.show(ProgramFiles, DefaultTranslationFile, "PSAL", 118);
        state.ResumeTiming();
        const double cpu = ThreadMilliseconds();
        pane.show(ProgramFiles, DefaultTranslationFile, "PSAL", 119);
        cpus.push_back(ThreadMilliseconds() - cpu);
    }
    std::sort(cpus.begin(), cpus.end());
    state.counters["cpu_ms_min"] = cpus.front();
    state.counters["cpu_ms_median"] = cpus[cpus.size() / 2];
}
BENCHMARK(Psalm119Again)->Iterations(9)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every chapter of the default file shown in turn in one pane, as a reader moves through the
// text; the time is that of the slowest chapter, layout and paint, in processor time of this
// thread, so that other programs on the machine do not blur it (wall_ms: its time on the clock).
void SlowestChapter(benchmark::State& state) {
    if (!HasDefaultText) {
        state.SkipWithError("no default translation file beside the program");
        return;
    }
    const std::vector<std::pair<QString, int>> chapters = Chapters();
    for (auto _ : state) {
        Pane pane;
        double slowest = 0, wall = 0;
        QString which;
        for (const auto& [book, chapter] : chapters) {
            QElapsedTimer timer;
            timer.start();
            const double cpu = ThreadMilliseconds();
            pane.show(ProgramFiles, DefaultTranslationFile, book, chapter);
            const double ms = ThreadMilliseconds() - cpu;
            if (ms > slowest) {
                slowest = ms;
                wall = double(timer.nsecsElapsed()) / 1e6;
                which = QStringLiteral("%1 %2").arg(book).arg(chapter);
            }
        }
        state.SetIterationTime(slowest / 1000);
        state.counters["chapters"] = double(chapters.size());
        state.counters["wall_ms"] = wall;
        state.SetLabel(which.toStdString());
    }
}
BENCHMARK(SlowestChapter)->Iterations(1)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Folder = dir.path() + QStringLiteral("/");
    QDir(Folder).mkpath(QStringLiteral("baza"));
    ProgramFiles = QStringLiteral(PROGRAM_FOLDER);
    HasDefaultText = QFileInfo::exists(ProgramFiles + "baza/" + DefaultTranslationFile);
    if (!HasDefaultText)
        std::printf("vidoslov-bench-layout: no %sbaza/%s; Psalm 119 and the whole text are "
                    "skipped.\n",
                    qPrintable(ProgramFiles), DefaultTranslationFile);
    return RunBenchmarks(argc, argv);
}
