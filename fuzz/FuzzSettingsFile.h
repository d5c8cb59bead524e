#pragma once

#include "app/ConsoleState.h"
#include "app/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace wall::fuzz {

// The fuzz input as Setting.ini, in a folder kept in memory where the
// system has one, so that saves cost no disk flushes.
inline QString settingsFileWith(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir(QFile::exists(QStringLiteral("/dev/shm"))
                                 ? QStringLiteral("/dev/shm/wallfuzz-XXXXXX")
                                 : QString());
    const QString path = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

// The start-up load of that file; the wall model must stay within its
// tables whatever the file said.
inline std::unique_ptr<ConsoleState> loadChecked(SettingsStore& store) {
    store.setErrorSink([](const QString&) {});
    auto state = std::make_unique<ConsoleState>();
    loadConsoleState(store, *state, QStringLiteral("/"));
    const WallGrid& grid = state->grid;
    if (grid.rows() < 1 || grid.rows() > kMaxWallSide || grid.cols() < 1 ||
        grid.cols() > kMaxWallSide)
        __builtin_trap();
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            (void)grid.cellText(r, c, state->settings.BoardSel);
    return state;
}

} // namespace wall::fuzz
