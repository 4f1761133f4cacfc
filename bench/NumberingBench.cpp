// Times moving a place between Daničić's numbering and the KJV's, as a linked pane of the
// other numbering does on every show: vidoslov-bench-numbering.
#include "BenchMain.h"
#include "Numbering.h"
#include "ReaderState.h"

#include <benchmark/benchmark.h>

namespace {

// Job 40:20 (KJV 41:1): the book with the most rules, a place one of them covers.
void MapRuledPlace(benchmark::State& state) {
    Place place{18, 40, 20};
    for (auto _ : state) {
        place = MapPlace(place, Numbering::Danicic, Numbering::Kjv);
        place = MapPlace(place, Numbering::Kjv, Numbering::Danicic);
        benchmark::DoNotOptimize(place);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(MapRuledPlace)->Unit(benchmark::kNanosecond);

// Genesis 1:1: a book without rules.
void MapPlainPlace(benchmark::State& state) {
    Place place{1, 1, 1};
    for (auto _ : state) {
        place = MapPlace(place, Numbering::Danicic, Numbering::Kjv);
        benchmark::DoNotOptimize(place);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MapPlainPlace)->Unit(benchmark::kNanosecond);

// Two linked panes following the active one at Job 41:1, of its numbering (0) or of the
// other (1): the state's part of every show of linked panes.
void FollowLinkedPanes(benchmark::State& state) {
    const bool mixed = state.range(0) != 0;
    TReaderState reader;
    reader.SetNumberingSource([](const QString& file) {
        return file == QStringLiteral("sr.mdb") ? Numbering::Danicic : Numbering::Kjv;
    });
    reader.SetTranslation(1, QStringLiteral("kjv.mdb"), QString());
    for (int p : {2, 3}) {
        reader.SetTranslation(p, mixed ? QStringLiteral("sr.mdb") : QStringLiteral("kjv.mdb"),
                              QString());
        reader.SetLinked(p, true);
    }
    reader.ShowPlace(1, QStringLiteral("JOV"), 41, 1);
    int verse = 1;
    for (auto _ : state) {
        verse = verse == 1 ? 2 : 1;
        reader.SetVerse(1, verse);
        benchmark::DoNotOptimize(reader.FollowActive());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FollowLinkedPanes)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
