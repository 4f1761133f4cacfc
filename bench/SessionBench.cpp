// Times a start with three chapters put back from a kept session (John 3, Psalm 1 in the KJV
// enlarged twice, Matthew 5 linked) until the main window's first paint, offscreen unless a
// display is chosen, and a save of the session: made at once (as at the close), and as the
// window meets it a moment after a change.
#include "Application.h"
#include "BenchMain.h"
#include "MainWindow.h"
#include "Program.h"
#include "SessionKeeper.h"
#include "SessionStore.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

QString SessionPath;
QString ReminderPath;

// Notes the first paint of a window.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The program made, its session put back and its window shown and painted, as main() does.
void Start(std::optional<TProgram>& program) {
    program.emplace(QStringLiteral(PROGRAM_FOLDER));
    FirstPaint paint;
    program->fMain->installEventFilter(&paint);
    program->KeepSession(SessionPath, ReminderPath);
    program->fMain->show();
    QElapsedTimer limit;
    limit.start();
    while (!paint.painted && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    program->fMain->removeEventFilter(&paint);
}

bool Restored(const TProgram& program) {
    for (int p = 1; p <= PaneCount; ++p)
        if (program.fMain->Layout().LabelsUsed[p] == 0)
            return false;
    return true;
}

void Check(benchmark::State& state, std::optional<TProgram>& program) {
    if (!Restored(*program))
        state.SkipWithError("the panes were not put back");
    program->fMain->hide();
    program.reset();
}

void StartWithRestoredPanes(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<TProgram> program;
        Start(program);
        state.PauseTiming();
        Check(state, program);
        state.ResumeTiming();
    }
}
// The first program of the process, once: Qt's fonts and styles are made here too.
BENCHMARK(StartWithRestoredPanes)->Name("FirstStart")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StartWithRestoredPanes)->Unit(benchmark::kMillisecond);

// Written and synced to the disk at once, as at the close.
void SaveTheSession(benchmark::State& state) {
    TProgram program(QStringLiteral(PROGRAM_FOLDER));
    TSessionKeeper* keeper = program.KeepSession(SessionPath, ReminderPath);
    for (auto _ : state)
        if (!keeper->Save())
            state.SkipWithError("the session was not saved");
}
BENCHMARK(SaveTheSession)->Unit(benchmark::kMillisecond);

// The save a moment after a change: how long it holds the window.
void SaveAfterAChange(benchmark::State& state) {
    TProgram program(QStringLiteral(PROGRAM_FOLDER));
    TSessionKeeper* keeper = program.KeepSession(SessionPath, ReminderPath);
    for (auto _ : state) {
        keeper->SaveInBackground();
        state.PauseTiming();
        if (!keeper->WaitForSaves())
            state.SkipWithError("the session was not saved");
        state.ResumeTiming();
    }
}
BENCHMARK(SaveAfterAChange)->Unit(benchmark::kMillisecond);

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
        bool linked;
    } panes[] = {{},
                 {"JOVAN", "vidl.mdb", 3, 0, false},
                 {"PSAL", "kjv.mdb", 1, 2, false},
                 {"PSAL", "vidl.mdb", 1, 0, true}};
    for (int p = 1; p <= PaneCount; ++p) {
        s.paneBooks[p] = QString::fromLatin1(panes[p].book);
        s.panes[p].file = QString::fromLatin1(panes[p].file);
        s.panes[p].chapter = panes[p].chapter;
        s.panes[p].verse = 1;
        s.panes[p].zoom = panes[p].zoom;
        s.panes[p].linked = panes[p].linked;
    }
    if (!SaveSessionFile(SessionPath, s))
        return 1;
    return RunBenchmarks(argc, argv);
}
