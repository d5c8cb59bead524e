// wallconsole: the console window.
#include "MainWindow.h"
#include "Modal.h"

#include "SerialDevices.h"
#include "UiPacer.h"
#include "app/Console.h"
#include "app/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wallconsole"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("LCD video wall console."));
    parser.addHelpOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Settings file (default: %1).").arg(wall::defaultSettingsPath()),
        QStringLiteral("FILE"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the main window to FILE after start-up, then quit."),
        QStringLiteral("FILE"));
    parser.addOptions({settingsOption, screenshotOption});
    parser.process(app);

    // A run that saves a picture has nobody to answer a box: every box and
    // modal dialog takes its default answer and is written to stderr.
    if (parser.isSet(screenshotOption))
        wall::Modal::answerByDefault(
            [](const QString& line) { QTextStream(stderr) << "wallconsole: " << line << '\n'; });

    wall::SettingsStore store(parser.isSet(settingsOption) ? parser.value(settingsOption)
                                                           : wall::defaultSettingsPath());
    wall::UiPacer pacer;
    wall::SerialDevices devices(pacer);
    wall::Console console(store, devices);
    wall::MainWindow window(console, devices, pacer);
    window.FormCreate();
    window.show(); // the first activation, with the login where one is asked for
    if (!window.isVisible())
        return 0; // the login was cancelled

    if (parser.isSet(screenshotOption)) {
        const QString file = parser.value(screenshotOption);
        QTimer::singleShot(700, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            if (!saved)
                QTextStream(stderr) << "wallconsole: cannot save the picture " << file << '\n';
            window.close();
            QCoreApplication::exit(saved ? 0 : 1); // even if a sequence held the window open
        });
    }
    return app.exec();
}
