// The settings store on the largest file a console writes: a 30 x 30 wall
// with all 48 plans saved (about 250,000 keys), against QSettings on the
// same file.
#include "app/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kScreens = 900;
constexpr int kPlans = 48;
constexpr int kTargetKeys = 250000;

QByteArray largeSettingsFile() {
    QByteArray text;
    text.reserve(8 * 1024 * 1024);
    int keys = 0;
    auto key = [&](const QByteArray& name, int value) {
        text += name + '=' + QByteArray::number(value) + '\n';
        ++keys;
    };
    text += "[SETTING]\n";
    key("Row", 30);
    key("Col", 30);
    text += "[Unit1]\n";
    for (int n = 0; n < kScreens; ++n)
        key("Source" + QByteArray::number(n), 2);
    for (int i = 0; i < kPlans; ++i)
        for (int n = 0; n < kScreens; ++n)
            key("SrcMode" + QByteArray::number(i) + "Source" + QByteArray::number(n), 10);
    text += "[Matrix]\n";
    const char* kinds[] = {"AV", "VGA", "DVI", "YUV"};
    for (const char* kind : kinds)
        for (int n = 0; n < kScreens; ++n)
            key(QByteArray("Matrix_") + kind + "_OutputStr" + QByteArray::number(n), n + 1);
    for (int i = 0; i < kPlans; ++i)
        for (const char* kind : kinds)
            for (int n = 0; n < kScreens; ++n)
                key("Wall_Mode" + QByteArray::number(i) + "Matrix_" + kind + "_InputStr" +
                        QByteArray::number(n),
                    n % 16 + 1);
    text += "[WallColor]\n";
    for (int c = 0; c < 30; ++c)
        for (int r = 0; r < 30; ++r)
            key("H" + QByteArray::number(c) + "V" + QByteArray::number(r), 16777215);
    text += "[WallPop]\n";
    for (int n = 0; keys < kTargetKeys; ++n)
        key(QByteArray::number(n / 9) + "PopField" + QByteArray::number(n % 9), n);
    return text;
}

struct LargeFile {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString fresh(const char* name) const {
        static const QByteArray content = largeSettingsFile();
        QFile f(path(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        return path(name);
    }
};

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
