#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "serial/DeviceIo.h"

class QTextStream;

namespace wall {

struct ConsoleState;

// The devices a command sends on for real.
class CommandDevices : public DeviceIo {
public:
    // The command has ended: waits a bounded time for what is queued to go
    // out, then says what was not sent (a lost link, frames still queued,
    // frames for a closed device), one line each. Empty: everything went out.
    virtual QStringList finish() = 0;
};

// Opens the real serial devices for the loaded settings, or returns null and
// fills `error` with the reason.
using DeviceOpener = std::function<std::unique_ptr<CommandDevices>(ConsoleState&, QString& error)>;

struct WallctlEnvironment {
    QString defaultSettingsPath;
    QString executableDir;
    DeviceOpener openDevices; // null: no serial support in this build
};

// Runs one wallctl command line (arguments[0] is the program name). Trace
// lines and results go to `out`, messages to `err`. Returns the exit code:
// 0 done; 1 refused or failed, wholly or in part (a link lost, frames not
// sent, a setting not stored; `err` says which); 2 bad command line.
int runWallctl(const QStringList& arguments, QTextStream& out, QTextStream& err,
               const WallctlEnvironment& env);

} // namespace wall
