// What a matrix routing costs the console besides its pauses: building and
// handing over the frames for a whole 30 x 30 wall, one protocol of each
// shape, on devices that take the bytes and wait for nothing.
#include "matrix/MatrixControl.h"
#include "matrix/MatrixSettings.h"
#include "serial/DeviceIo.h"
#include "serial/SerialSettings.h"
#include "wall/WallGrid.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct CountingIo final : wall::DeviceIo, wall::DeviceLink, wall::Pacer {
    std::int64_t bytes = 0;
    bool isOpen() const override { return true; }
    bool open(const wall::SerialSettings&, QString&) override { return true; }
    void close() override {}
    void write(QByteArrayView b) override { bytes += b.size(); }
    int readPackage(char*, int) override { return 0; }
    void discardInput() override {}
    void pause(int) override {}
    wall::DeviceLink& link(int) override { return *this; }
    wall::Pacer& pacer() override { return *this; }
};

// state.range(0): the AV protocol index.
void RouteWholeWall(benchmark::State& state) {
    wall::WallGrid grid;
    grid.resize(30, 30);
    grid.setSelection({0, 0, 29, 29});
    auto config = std::make_unique<wall::MatrixConfig>();
    config->kinds[size_t(wall::MatrixKind::AV)].company = int(state.range(0));
    config->kinds[size_t(wall::MatrixKind::AV)].inputMax = 1000;
    const wall::PortRouting routing;
    CountingIo io;
    const wall::MatrixContext context{
        .grid = grid, .config = *config, .routing = routing, .io = io};
    for (auto _ : state)
        wall::matrixControl(context, 2, 700, 1);
    state.SetBytesProcessed(io.bytes);
}
// ZRQ001 (batch), EXTRON (a frame per output), CREATEK (ASCII list),
// ZRQ002 (pair list), LANMA2 (two frames per output).
BENCHMARK(RouteWholeWall)->Arg(1)->Arg(28)->Arg(9)->Arg(2)->Arg(20)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
