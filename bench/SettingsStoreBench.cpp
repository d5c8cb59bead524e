// The settings store on the largest file a console writes: a 30 x 30 wall
// with all 48 plans saved (about 250,000 keys), against QSettings on the
// same file.
#include "LargeSettingsFile.h"
#include "app/SettingsStore.h"

#include <QSettings>

#include <benchmark/benchmark.h>

namespace {

using wall::bench::LargeFile;

void SettingsStore_OpenWriteSave(benchmark::State& state) {
    LargeFile file;
    const QString path = file.fresh("Setting.ini");
    int value = 0;
    for (auto _ : state) {
        wall::SettingsStore store(path); // nothing cached: parse, write, save
        wall::SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Row", ++value % 30 + 1);
        if (!ini.release())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SettingsStore_OpenWriteSave)->Unit(benchmark::kMillisecond);

void SettingsStore_ReopenUnchanged(benchmark::State& state) {
    LargeFile file;
    const QString path = file.fresh("Setting.ini");
    wall::SettingsStore store(path);
    store.open().release();
    for (auto _ : state) {
        wall::SettingsScope ini = store.open();
        benchmark::DoNotOptimize(ini.readInt("SETTING", "Row", 3));
        ini.release();
    }
}
BENCHMARK(SettingsStore_ReopenUnchanged)->Unit(benchmark::kMillisecond);

void QSettings_OpenWriteSave(benchmark::State& state) {
    LargeFile file;
    int value = 0;
    for (auto _ : state) {
        state.PauseTiming(); // QSettings keeps a parsed copy per file: start cold
        const QString path = file.fresh("Q.ini");
        state.ResumeTiming();
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("SETTING/Row"), ++value % 30 + 1);
        settings.sync();
    }
}
BENCHMARK(QSettings_OpenWriteSave)->Unit(benchmark::kMillisecond);

void QSettings_ReopenUnchanged(benchmark::State& state) {
    LargeFile file;
    const QString path = file.fresh("Q.ini");
    { QSettings(path, QSettings::IniFormat).value(QStringLiteral("SETTING/Row")); }
    for (auto _ : state) {
        QSettings settings(path, QSettings::IniFormat);
        benchmark::DoNotOptimize(settings.value(QStringLiteral("SETTING/Row")).toInt());
    }
}
BENCHMARK(QSettings_ReopenUnchanged)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
