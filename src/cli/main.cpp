#include "Wallctl.h"

#include "SerialDevices.h"
#include "app/Console.h"
#include "app/ConsoleState.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The real devices for one command: opened from the loaded settings, and
// drained before the process ends so that nothing queued is lost.
class CliDevices final : public wall::DeviceIo {
public:
    CliDevices() : devices_(pacer_) {}
    ~CliDevices() override { devices_.waitForWritten(10000); }
    wall::DeviceLink& link(int device) override { return devices_.link(device); }
    wall::Pacer& pacer() override { return pacer_; }

private:
    wall::SleepPacer pacer_;
    wall::SerialDevices devices_;
};

std::unique_ptr<wall::DeviceIo> openDevices(wall::ConsoleState& state, QString& error,
                                            QTextStream& err) {
    auto io = std::make_unique<CliDevices>();
    if (!io->link(wall::kWallLink).open(state.serialDevice(wall::kWallLink), error))
        return nullptr;
    for (int device = 2; device <= wall::kDeviceCount; ++device) {
        if (state.serialDevice(device).portNo == 0)
            continue;
        QString why;
        if (!io->link(device).open(state.serialDevice(device), why))
            err << QStringLiteral("Serial device %1 stays closed: %2\n").arg(device).arg(why);
    }
    return io;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wallctl"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    wall::WallctlEnvironment env;
    env.defaultSettingsPath = wall::defaultSettingsPath();
    env.executableDir = QCoreApplication::applicationDirPath();
    env.openDevices = [&err](wall::ConsoleState& state, QString& error) {
        return openDevices(state, error, err);
    };
    const int code = wall::runWallctl(QCoreApplication::arguments(), out, err, env);
    out.flush();
    err.flush();
    return code;
}
