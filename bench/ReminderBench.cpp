// Times loading a reminder list file of 10,000 references into the reminder window, shown
// offscreen, and going to its last entry.
#include "BenchMain.h"
#include "IzborFile.h"
#include "Podsetnik.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

QString ListPath;

void LoadTenThousand(benchmark::State& state) {
    TfPodsetnik window;
    window.show();
    for (auto _ : state) {
        if (!window.LoadFromFile(ListPath))
            state.SkipWithError("the list was not loaded");
        QTest::keyClick(window.List(), Qt::Key_End);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.List()->count());
    }
}
BENCHMARK(LoadTenThousand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ListPath = dir.filePath(QStringLiteral("deset-hiljada.Izbor"));
    QStringList entries;
    for (int i = 0; i < 10000; ++i)
        entries << QStringLiteral("1 MOJ %1:%2").arg(i / 30 + 1).arg(i % 30 + 1);
    QString error;
    if (!SaveIzbor(ListPath, entries, &error))
        return 1;
    return RunBenchmarks(argc, argv);
}
