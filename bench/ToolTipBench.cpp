// Times a reference's tooltip once its hover delay has passed: the tooltip event reaches a
// reference of Genesis 1 in the main window, the referenced verse is read from the pane's
// translation and the tooltip shows, painted. Offscreen, on the default texts.
#include "Application.h"
#include "BenchMain.h"
#include "Kvlabel.h"
#include "MainWindow.h"
#include "Program.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

void ReferenceToolTip(benchmark::State& state) {
    TProgram program(QStringLiteral(PROGRAM_FOLDER));
    TfMain* w = program.fMain.get();
    w->show();
    w->SetActivePane(1);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    QApplication::processEvents();
    std::vector<TKvlabel*> references;
    for (int k = 1; k <= w->Layout().LabelsUsed[1]; ++k) {
        TKvlabel* l = w->Layout().Labels.Find(QStringLiteral("labela1%1").arg(k));
        if (l && l->Vrsta() == Pok1 && l->isVisible())
            references.push_back(l);
    }
    if (references.empty()) {
        state.SkipWithError("Genesis 1 shows no references");
        return;
    }
    std::vector<double> ms;
    size_t next = 0;
    for (auto _ : state) {
        TKvlabel* l = references[next++ % references.size()];
        const QPoint at(2, 2);
        QCursor::setPos(l->mapToGlobal(at));
        QElapsedTimer timer;
        timer.start();
        QHelpEvent event(QEvent::ToolTip, at, l->mapToGlobal(at));
        QApplication::sendEvent(l, &event);
        QApplication::processEvents();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!QToolTip::isVisible())
            state.SkipWithError("no tooltip shown");
        state.PauseTiming();
        QToolTip::hideText();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["ms_min"] = *std::min_element(ms.begin(), ms.end());
    std::sort(ms.begin(), ms.end());
    state.counters["ms_median"] = ms[ms.size() / 2];
}
BENCHMARK(ReferenceToolTip)->Iterations(40)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    PreferOffscreen();
    TApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
