// Plan save and recall on the largest file: a 30 x 30 wall with all 48 plans
// saved. The recording double takes the frames and pauses, so those figures
// are the console's own work; the last one runs a whole recall on a sleeping
// pacer and compares its duration with the sum of its pauses.
#include "LargeSettingsFile.h"
#include "SerialDevices.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "plans/PlanRecall.h"
#include "plans/PlanStore.h"
#include "serial/TraceIo.h"

#include <QElapsedTimer>

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

// The large file with a VGA switcher that has preset memories and an AV one
// that is replayed screen by screen (1 ms apart, so that a whole recall
// stays short).
QString recallFile(const wall::bench::LargeFile& file) {
    const QString path = file.fresh("Setting.ini");
    wall::SettingsStore store(path);
    wall::SettingsScope ini = store.open();
    ini.writeInt("Matrix", "VGA_Company", 1);
    ini.writeInt("Matrix", "AV_Company", 4);
    ini.writeInt("Matrix", "Matrix_AV_DelayTime", 1);
    ini.writeInt("SETTING", "MatrixToScreenTime", 0);
    ini.release();
    return path;
}

void PlanRecall_OwnWorkOnTheLargestFile(benchmark::State& state) {
    wall::bench::LargeFile file;
    wall::SettingsStore store(recallFile(file));
    wall::TraceIo io;
    wall::Console console(store, io);
    console.load(file.dir.path());
    int n = 0;
    for (auto _ : state) {
        const wall::CommandResult r = console.planRecall().recall(n++ % wall::bench::kPlans);
        if (!r.ok)
            state.SkipWithError("recall refused");
        io.clear();
    }
}
BENCHMARK(PlanRecall_OwnWorkOnTheLargestFile)->Unit(benchmark::kMillisecond);

// Links that take every frame and send nothing; the pauses are real.
struct SleepingIo final : wall::DeviceIo, wall::DeviceLink {
    bool isOpen() const override { return true; }
    bool open(const wall::SerialSettings&, QString&) override { return true; }
    void close() override {}
    void write(QByteArrayView) override {}
    int readPackage(char*, int) override { return 0; }
    void discardInput() override {}
    wall::DeviceLink& link(int) override { return *this; }
    wall::Pacer& pacer() override { return sleeper; }
    wall::SleepPacer sleeper;
};

void PlanRecall_WholeAgainstItsPauses(benchmark::State& state) {
    wall::bench::LargeFile file;
    const QString path = recallFile(file);
    // The sum of the pauses, from the recording double.
    qint64 pauses = 0;
    {
        wall::SettingsStore store(path);
        wall::TraceIo io;
        wall::Console console(store, io);
        console.load(file.dir.path());
        console.planRecall().recall(0);
        pauses = io.elapsedMs();
    }
    wall::SettingsStore store(path);
    SleepingIo io;
    wall::Console console(store, io);
    console.load(file.dir.path());
    for (auto _ : state) {
        QElapsedTimer took;
        took.start();
        if (!console.planRecall().recall(0).ok)
            state.SkipWithError("recall refused");
        state.counters["pauses_ms"] = double(pauses);
        state.counters["over_pauses_%"] =
            100.0 * double(took.elapsed() - pauses) / double(std::max<qint64>(pauses, 1));
    }
}
BENCHMARK(PlanRecall_WholeAgainstItsPauses)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
