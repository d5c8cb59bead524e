// Feeds random bytes as Setting.ini to the start-up load and to a save.
#include "app/ConsoleState.h"
#include "app/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

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
