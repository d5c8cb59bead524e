// wallsim: display units behind a pseudo-terminal, for running the console
// without hardware. Prints the terminal's path; with --link, also makes a
// symbolic link to it so that a settings file can name a fixed path.
#include "PtySimulator.h"

#include "app/ConsoleState.h"
#include "app/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wallsim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated display units on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"), QStringLiteral("Take Row, Col and the frame format from FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("Rows of units."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption colsOption(QStringLiteral("cols"), QStringLiteral("Columns of units."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("Frame format 0, 1 or 2 (CmdForm)."),
                                          QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption linkOption(
        QStringLiteral("link"), QStringLiteral("Make PATH a symbolic link to the terminal."),
        QStringLiteral("PATH"));
    const QCommandLineOption quietOption(QStringLiteral("quiet"),
                                         QStringLiteral("Do not print the frames received."));
    parser.addOptions(
        {settingsOption, rowsOption, colsOption, formatOption, linkOption, quietOption});
    parser.process(app);

    int rows = parser.value(rowsOption).toInt();
    int cols = parser.value(colsOption).toInt();
    int cmdForm = parser.value(formatOption).toInt();
    const QString settings = parser.value(settingsOption);
    // The wall's size and frame format as the settings file has them now.
    const auto readSettings = [&settings, &rows, &cols, &cmdForm] {
        wall::SettingsStore store(settings);
        store.setDryRun(true);
        store.setErrorSink([](const QString&) {});
        auto state = std::make_unique<wall::ConsoleState>();
        wall::loadConsoleState(store, *state, QCoreApplication::applicationDirPath());
        if (store.unreadable())
            return;
        rows = state->grid.rows();
        cols = state->grid.cols();
        cmdForm = state->settings.CmdForm;
    };
    if (!settings.isEmpty()) {
        if (!QFile::exists(settings)) {
            err << "No settings file " << settings << '\n';
            return 1;
        }
        readSettings();
    }

    wall::PtySimulator sim(
        std::make_unique<wall::SimulatedWall>(rows, cols, wall::frameFormatFor(cmdForm)));
    QString error;
    if (!sim.start(error)) {
        err << "Cannot open a pseudo-terminal: " << error << '\n';
        return 1;
    }
    if (parser.isSet(linkOption)) {
        const QString link = parser.value(linkOption);
        QFile::remove(link);
        if (!QFile::link(sim.slavePath(), link)) {
            err << "Cannot create the link " << link << '\n';
            return 1;
        }
    }
    out << sim.slavePath() << '\n';
    const auto reportShape = [&out, &sim] {
        out << QStringLiteral("wallsim: %1 x %2 units, frame format %3\n")
                   .arg(sim.wall().rows())
                   .arg(sim.wall().cols())
                   .arg(static_cast<int>(sim.wall().format()));
        out.flush();
    };
    reportShape();

    // The console saves by replacing the file: the folder is watched, and the
    // wall follows the size and format the console gives it.
    QFileSystemWatcher watcher;
    if (!settings.isEmpty()) {
        watcher.addPath(QFileInfo(settings).absolutePath());
        QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &app, [&] {
            const int before[] = {rows, cols, cmdForm};
            readSettings();
            if (before[0] == rows && before[1] == cols && before[2] == cmdForm)
                return;
            sim.wall().reshape(rows, cols, wall::frameFormatFor(cmdForm));
            reportShape();
        });
    }
    if (!parser.isSet(quietOption))
        QObject::connect(&sim, &wall::PtySimulator::framesDecoded,
                         [&out](const QStringList& lines) {
                             for (const QString& line : lines)
                                 out << line << '\n';
                             out.flush();
                         });

    // SIGTERM and SIGINT end the simulator through the event loop: the
    // handler only writes to a pipe.
    static int quitPipe[2] = {-1, -1};
    if (::pipe(quitPipe) == 0) {
        auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGTERM, [](int) { (void)!::write(quitPipe[1], "q", 1); });
        std::signal(SIGINT, [](int) { (void)!::write(quitPipe[1], "q", 1); });
    }
    const int code = app.exec();
    if (parser.isSet(linkOption))
        QFile::remove(parser.value(linkOption));
    return code;
}
