// What the console adds to the wire: one frame from the write call to its
// bytes arriving on the other side of a pseudo-terminal, and a power-on
// sequence with pauses against the sum of its pauses.
#include "PseudoTerminal.h"
#include "SerialDevices.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "app/UiPacer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Opens the wall link of `devices` on a new pseudo-terminal.
bool openOnPty(wall::PseudoTerminal& pty, wall::SerialDevices& devices, benchmark::State& state) {
    QString error;
    wall::SerialSettings s = wall::SerialSettings::defaultsFor(1);
    if (pty.open(error)) {
        s.portName = pty.slavePath();
        if (devices.link(1).open(s, error))
            return true;
    }
    state.SkipWithError("cannot open a pseudo-terminal");
    return false;
}

void FrameWriteToWire(benchmark::State& state) {
    wall::PseudoTerminal pty;
    wall::SleepPacer pacer;
    wall::SerialDevices devices(pacer);
    if (!openOnPty(pty, devices, state))
        return;
    const QByteArray frame = QByteArray::fromHex("FBB1122341 32AE");
    for (auto _ : state) {
        devices.link(1).write(frame);
        pty.read(int(frame.size()), 2000);
    }
}
BENCHMARK(FrameWriteToWire)->Unit(benchmark::kMicrosecond);

void WriteCallReturns(benchmark::State& state) {
    // The UI thread's share: a write only queues the frame.
    wall::PseudoTerminal pty;
    wall::SleepPacer pacer;
    wall::SerialDevices devices(pacer);
    if (!openOnPty(pty, devices, state))
        return;
    const QByteArray frame = QByteArray::fromHex("FBB1122341 32AE");
    std::int64_t frames = 0;
    for (auto _ : state) {
        devices.link(1).write(frame);
        ++frames;
        if (frames % 64 == 0) {
            state.PauseTiming();
            pty.read(int(frame.size()) * 64, 2000);
            state.ResumeTiming();
        }
    }
    pty.read(int(frame.size()) * int(frames % 64), 2000);
}
BENCHMARK(WriteCallReturns)->Unit(benchmark::kMicrosecond);

// Nine screens with 10 ms after each: 90 ms of pauses, in the window's own
// pacer (which keeps painting while it waits) or in a plain sleeping one.
template <typename PacerType> void StaggeredPowerOnOverhead(benchmark::State& state) {
    wall::PseudoTerminal pty;
    QString error;
    if (!pty.open(error)) {
        state.SkipWithError("cannot open a pseudo-terminal");
        return;
    }
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(ini);
    f.open(QIODevice::WriteOnly);
    f.write("[SETTING]\nPowerDelayTime10Ms=1\n[YbCommDevice1 Com Set]\nPortName=" +
            pty.slavePath().toUtf8() + "\n");
    f.close();
    wall::SettingsStore store(ini);
    PacerType pacer;
    wall::SerialDevices devices(pacer);
    wall::Console console(store, devices);
    console.load(dir.path());
    devices.link(1).open(console.state().serialDevice(1), error);
    const double pauses = 9 * 10.0;
    double overhead = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        console.powerOn();
        overhead += double(clock.nsecsElapsed()) / 1e6 - pauses;
        pty.read(9 * 7, 2000);
    }
    state.counters["overhead_ms"] = overhead / double(state.iterations());
    state.counters["overhead_pct"] = 100.0 * overhead / double(state.iterations()) / pauses;
}
BENCHMARK(StaggeredPowerOnOverhead<wall::UiPacer>)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(StaggeredPowerOnOverhead<wall::SleepPacer>)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
