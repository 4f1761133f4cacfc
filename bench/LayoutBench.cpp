// Times a chapter of one verse with many cross references in a reading pane: the query, the
// layout of a label per reference and the painting of the pane. vidoslov-bench-layout [N...]
#include "ChapterLayout.h"
#include "DataModule.h"
#include "PaneState.h"
#include "ScrollBox.h"
#include "TextRules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
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

// A fresh pane shows the chapter: labels created, laid out and painted.
void ChapterWithReferences(benchmark::State& state) {
    const int references = int(state.range(0));
    WriteChapter(references);
    for (auto _ : state) {
        QWidget host;
        host.resize(420, 620);
        auto* box = new TScrollBox(&host);
        box->setGeometry(0, 0, 400, 600);
        box->Tag = 1;
        box->Hint = QStringLiteral("1");
        host.show();
        TPaneState pane;
        pane.SetStartValues();
        pane.Verse[1] = 1;
        Query q;
        q.setConnectionString(
            TranslationConnectionString(QStringLiteral("%1.mdb").arg(references), Folder));
        QElapsedTimer timer;
        timer.start();
        LoadChapter(QStringLiteral("vidoslov"), QStringLiteral("1 MOJ"), 1, q,
                    [&](Query& r) { LayoutChapter(pane, *box, r); });
        const qint64 laid = timer.elapsed();
        box->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["labels"] = pane.LabelsUsed[1];
        state.counters["layout_ms"] = double(laid);
        state.counters["paint_ms"] = double(timer.elapsed() - laid);
        pane.Labels.FreeAll();
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Folder = dir.path() + QStringLiteral("/");
    QDir(Folder).mkpath(QStringLiteral("baza"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
