#include "Wallctl.h"

#include "CliDevices.h"
#include "app/Console.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

std::unique_ptr<wall::CommandDevices> openDevices(wall::ConsoleState& state, QString& error,
                                                  QTextStream& err) {
    auto io = std::make_unique<wall::CliDevices>();
    if (!io->open(state, error, err))
        return nullptr;
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
