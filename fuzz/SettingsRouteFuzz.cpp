// Feeds random bytes as Setting.ini to the start-up load followed by a
// matrix routing of every source over the whole wall, and a save that must
// read back.
#include "FuzzSettingsFile.h"
#include "matrix/MatrixControl.h"
#include "matrix/MatrixFrames.h"
#include "matrix/MatrixPort.h"
#include "serial/DeviceIo.h"

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
    void discardInput() override {}
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
    wall::SettingsStore store(wall::fuzz::settingsFileWith(data, size));
    const auto state = wall::fuzz::loadChecked(store);
    const wall::WallGrid& grid = state->grid;

    // Whatever the matrix settings say, a routing stays within its tables
    // and its frame buffer.
    BoundedIo io;
    state->grid.setSelection(wall::Selection{0, 0, grid.cols() - 1, grid.rows() - 1});
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
