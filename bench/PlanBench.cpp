// A plan save on the largest file: a 30 x 30 wall with all 48 plans saved.
// The recording double takes the frames and pauses, so the figure is the
// save's own work: the snapshot, one atomic save of the file, the frames.
#include "LargeSettingsFile.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "plans/PlanStore.h"
#include "serial/TraceIo.h"

#include <benchmark/benchmark.h>

namespace {

void PlanStore_SaveOnTheLargestFile(benchmark::State& state) {
    wall::bench::LargeFile file;
    wall::SettingsStore store(file.fresh("Setting.ini"));
    wall::TraceIo io;
    wall::Console console(store, io);
    console.load(file.dir.path());
    int n = 0;
    for (auto _ : state) {
        // Every save stores a snapshot that differs from the one on file.
        state.PauseTiming();
        for (int k = 0; k < wall::bench::kScreens; ++k)
            console.grid().setSource(k, n % 2 == 0 ? 10 : 2);
        state.ResumeTiming();
        const wall::CommandResult r = console.plans().save(n++ % wall::bench::kPlans);
        if (!r.ok)
            state.SkipWithError("save refused");
        io.clear();
    }
}
BENCHMARK(PlanStore_SaveOnTheLargestFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
