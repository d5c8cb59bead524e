#pragma once

#include "ConsoleState.h"
#include "wall/ScreenPacket.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace wall {

class DeviceIo;
class SettingsStore;

// The outcome of one operation: refused operations send nothing and say why.
struct CommandResult {
    bool ok = true;
    QString message;

    static CommandResult refused(QString why) { return {false, std::move(why)}; }
};

// The console's behaviour without its windows: the state loaded from
// Setting.ini and the operations on it. The main window, wallctl and the
// tests all drive this one class.
class Console {
public:
    Console(SettingsStore& store, DeviceIo& io);
    ~Console();

    StartupReport load(const QString& executableDir);

    ConsoleState& state() { return *state_; }
    const ConsoleState& state() const { return *state_; }
    WallGrid& grid() { return state_->grid; }
    SettingsStore& settings() { return store_; }
    DeviceIo& io() { return io_; }

    FrameFormat frameFormat() const { return frameFormatFor(state_->settings.CmdForm); }

    // Write value V to parameter P for the selection (command 0xB1).
    CommandResult buttonWrite(std::uint8_t parameter, unsigned value);
    // Step parameter P (V = 0 down, 1 up) or trigger action P (command 0xB0).
    CommandResult buttonIncDec(std::uint8_t parameter, std::uint8_t value);

private:
    CommandResult sendToSelection(ScreenCommand command, std::uint8_t parameter, unsigned value);

    SettingsStore& store_;
    DeviceIo& io_;
    std::unique_ptr<ConsoleState> state_;
};

// Where Setting.ini lives: beside the executable, or in the user's
// configuration folder when that folder cannot be written.
QString defaultSettingsPath();

} // namespace wall
