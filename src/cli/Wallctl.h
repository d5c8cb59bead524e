#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTextStream;

namespace wall {

class DeviceIo;
struct ConsoleState;

// Opens the real serial devices for the loaded settings, or returns null and
// fills `error` with the reason.
using DeviceOpener = std::function<std::unique_ptr<DeviceIo>(ConsoleState&, QString& error)>;

struct WallctlEnvironment {
    QString defaultSettingsPath;
    QString executableDir;
    DeviceOpener openDevices; // null: no serial support in this build
};

// Runs one wallctl command line (arguments[0] is the program name). Trace
// lines and results go to `out`, messages to `err`. Returns the exit code:
// 0 done, 1 refused or failed, 2 bad command line.
int runWallctl(const QStringList& arguments, QTextStream& out, QTextStream& err,
               const WallctlEnvironment& env);

} // namespace wall
