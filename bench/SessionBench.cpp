// Times a start with three chapters put back from a kept session (John 3, Psalm 1 in the KJV
// enlarged twice, Matthew 5), offscreen, and one save of the session.
#include "Application.h"
#include "BenchMain.h"
#include "MainWindow.h"
#include "Program.h"
#include "SessionKeeper.h"
#include "SessionStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString SessionPath;
QString ReminderPath;

void StartWithRestoredPanes(benchmark::State& state) {
    for (auto _ : state) {
        TProgram program(QStringLiteral(PROGRAM_FOLDER));
        program.KeepSession(SessionPath, ReminderPath);
        program.fMain->show();
        QApplication::processEvents();
        if (program.fMain->Layout().LabelsUsed[2] == 0)
            state.SkipWithError("the panes were not put back");
        state.PauseTiming();
        program.fMain->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StartWithRestoredPanes)->Unit(benchmark::kMillisecond);

void SaveTheSession(benchmark::State& state) {
    TProgram program(QStringLiteral(PROGRAM_FOLDER));
    TSessionKeeper* keeper = program.KeepSession(SessionPath, ReminderPath);
    for (auto _ : state)
        if (!keeper->Save())
            state.SkipWithError("the session was not saved");
}
BENCHMARK(SaveTheSession)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    TApplication app(argc, argv);
    QTemporaryDir dir;
    SessionPath = dir.filePath(QStringLiteral("vidoslov.ini"));
    ReminderPath = dir.filePath(QStringLiteral("podsetnik.Izbor"));
    SessionState s;
    s.bookCode = QStringLiteral("PSAL");
    s.activePane = 2;
    const struct {
        const char *book, *file;
        int chapter, zoom;
    } panes[] = {
        {}, {"JOVAN", "vidl.mdb", 3, 0}, {"PSAL", "kjv.mdb", 1, 2}, {"MAT", "vidl.mdb", 5, 0}};
    for (int p = 1; p <= PaneCount; ++p) {
        s.paneBooks[p] = QString::fromLatin1(panes[p].book);
        s.panes[p].file = QString::fromLatin1(panes[p].file);
        s.panes[p].chapter = panes[p].chapter;
        s.panes[p].verse = 1;
        s.panes[p].zoom = panes[p].zoom;
    }
    if (!SaveSessionFile(SessionPath, s))
        return 1;
    return RunBenchmarks(argc, argv);
}
