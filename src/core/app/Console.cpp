#include "Console.h"

#include "SettingsStore.h"
#include "serial/DeviceIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace wall {

Console::Console(SettingsStore& store, DeviceIo& io)
    : store_(store), io_(io), state_(std::make_unique<ConsoleState>()) {}

Console::~Console() = default;

StartupReport Console::load(const QString& executableDir) {
    state_ = std::make_unique<ConsoleState>();
    return loadConsoleState(store_, *state_, executableDir);
}

CommandResult Console::buttonWrite(std::uint8_t parameter, unsigned value) {
    return sendToSelection(ScreenCommand::Write, parameter, value);
}

CommandResult Console::buttonIncDec(std::uint8_t parameter, std::uint8_t value) {
    return sendToSelection(ScreenCommand::Step, parameter, value);
}

CommandResult Console::sendToSelection(ScreenCommand command, std::uint8_t parameter,
                                       unsigned value) {
    const WallGrid& grid = state_->grid;
    if (!grid.isInside(grid.selection()))
        return CommandResult::refused(QStringLiteral("the selection is outside the wall"));
    const ScreenFrame frame =
        buildScreenFrame(frameFormat(), command, grid.selection(), parameter, value);
    if (!frame.ok())
        return CommandResult::refused(describe(frame.error));
    io_.link(kWallLink).write(frame.bytes);
    return {};
}

QString defaultSettingsPath() {
    // Folder permissions do not tell the whole story (Windows virtualises
    // Program Files): try to create a file there.
    const QString besideExecutable = QCoreApplication::applicationDirPath();
    QTemporaryFile probe(QDir(besideExecutable).filePath(QStringLiteral("probe-XXXXXX")));
    if (probe.open())
        return QDir(besideExecutable).filePath(QStringLiteral("Setting.ini"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(QStringLiteral("Setting.ini"));
}

} // namespace wall
