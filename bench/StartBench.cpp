// Times a start of the program without a kept session: the windows made, the main window shown
// with its first chapter, offscreen.
#include "Application.h"
#include "BenchMain.h"
#include "MainWindow.h"
#include "Program.h"

#include <benchmark/benchmark.h>

namespace {

void Start(benchmark::State& state) {
    for (auto _ : state) {
        TProgram program(QStringLiteral(PROGRAM_FOLDER));
        program.fMain->show();
        QApplication::processEvents();
        state.PauseTiming();
        program.fMain->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(Start)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    TApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
