// Times a chapter of one verse with many cross references in a reading pane: the query, the
// layout of a label per reference and the painting of the pane. vidoslov-bench-layout [N...]
#include "BenchMain.h"
#include "ChapterLayout.h"
#include "DataModule.h"
#include "PaneState.h"
#include "ScrollBox.h"
#include "TextRules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

QString Folder;

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
    TPaneState state;

    Pane() {
        host.resize(420, 620);
        box->setGeometry(0, 0, 400, 600);
        box->Tag = 1;
        box->Hint = QStringLiteral("1");
        host.show();
        state.SetStartValues();
        state.Verse[1] = 1;
    }
    ~Pane() { state.Labels.FreeAll(); }

    // Shows the chapter of N.mdb, painted; returns the milliseconds of the layout.
    qint64 show(int references) {
        Query q;
        q.setConnectionString(
            TranslationConnectionString(QStringLiteral("%1.mdb").arg(references), Folder));
        state.LabelsUsed[1] = 0;
        QElapsedTimer timer;
        timer.start();
        LoadChapter(QStringLiteral("vidoslov"), QStringLiteral("1 MOJ"), 1, q,
                    [&](Query& r) { LayoutChapter(state, *box, r); });
        const qint64 laid = timer.elapsed();
        box->repaint();
        QApplication::processEvents();
        return laid;
    }
};

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

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Folder = dir.path() + QStringLiteral("/");
    QDir(Folder).mkpath(QStringLiteral("baza"));
    return RunBenchmarks(argc, argv);
}
