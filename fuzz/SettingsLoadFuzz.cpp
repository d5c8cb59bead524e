// Feeds random bytes as Setting.ini to the start-up load, to a matrix
// routing of every source, and to a save.
#include "app/ConsoleState.h"
#include "app/SettingsStore.h"
#include "matrix/MatrixControl.h"
#include "matrix/MatrixFrames.h"
#include "matrix/MatrixPort.h"
#include "serial/DeviceIo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// Devices that only check that no write outgrows a matrix frame buffer.
struct BoundedIo final : wall::DeviceIo, wall::DeviceLink, wall::Pacer {
    bool isOpen() const override { return true; }
    bool open(const wall::SerialSettings&, QString&) override { return true; }
    void close() override {}
    void write(QByteArrayView bytes) override {
        if (bytes.size() > wall::kMaxMatrixFrame)
            __builtin_trap();
    }
    int readPackage(char*, int) override { return 0; }
    void pause(int) override {}
    wall::DeviceLink& link(int device) override {
        if (device < 1 || device > wall::kDeviceCount)
            __builtin_trap();
        return *this;
    }
    wall::Pacer& pacer() override { return *this; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setting.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    wall::SettingsStore store(path);
    store.setErrorSink([](const QString&) {});
    auto state = std::make_unique<wall::ConsoleState>();
    wall::loadConsoleState(store, *state, dir.path());

    // The wall model must stay within its tables whatever the file said.
    const wall::WallGrid& grid = state->grid;
    if (grid.rows() < 1 || grid.rows() > wall::kMaxWallSide || grid.cols() < 1 ||
        grid.cols() > wall::kMaxWallSide)
        __builtin_trap();
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            (void)grid.cellText(r, c, state->settings.BoardSel);

    // Whatever the matrix settings say, a routing stays within its tables
    // and its frame buffer.
    BoundedIo io;
    const wall::Selection whole{0, 0, grid.cols() - 1, grid.rows() - 1};
    state->grid.setSelection(whole);
    for (int source = 0; source <= 11; ++source) {
        const auto kind = wall::matrixKindForSource(source);
        const int inputs = kind ? state->matrix.settings(*kind).inputMax : 1;
        for (int input : {1, inputs}) {
            const wall::MatrixContext context{
                .grid = state->grid,
                .config = state->matrix,
                .routing = state->routing,
                .io = io,
                .board = state->settings.BoardSel,
                .switchType = state->settings.matrixSwitchType,
                .picture = {int(size % 7), int(size % 5)},
            };
            wall::matrixControl(context, source, input,
                                kind ? state->matrix.settings(*kind).id : 1);
        }
    }

    // A write and a save of the parsed file must succeed and read back.
    {
        wall::SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Row", grid.rows());
        if (!ini.release())
            __builtin_trap();
    }
    if (store.open().readInt("SETTING", "Row", -1) != grid.rows())
        __builtin_trap();
    return 0;
}
