// Times moving a place between Daničić's numbering and the KJV's, as a linked pane of the
// other numbering does on every show: vidoslov-bench-numbering.
#include "BenchMain.h"
#include "Numbering.h"

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

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
