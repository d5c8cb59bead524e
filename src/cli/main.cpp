#include "Wallctl.h"

#include "app/Console.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wallctl"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    wall::WallctlEnvironment env;
    env.defaultSettingsPath = wall::defaultSettingsPath();
    env.executableDir = QCoreApplication::applicationDirPath();
    const int code = wall::runWallctl(QCoreApplication::arguments(), out, err, env);
    out.flush();
    err.flush();
    return code;
}
