#include "ConsoleWindowFixture.h"

#include <QElapsedTimer>
#include <QTest>

namespace wall::test {

void ConsoleWindowFixture::SetUp() {
    Modal::setMessageHook([this](Modal::Icon icon, const QString& title, const QString& text) {
        messages << Message{icon, title, text};
    });
    Modal::setDialogHook([this](QDialog& dialog) {
        dialogs << dialog.objectName();
        return answerDialog ? answerDialog(dialog) : int(QDialog::Rejected);
    });
}

void ConsoleWindowFixture::TearDown() {
    window.reset();
    console.reset();
    devices.reset();
    Modal::setMessageHook({});
    Modal::setDialogHook({});
    Modal::setFileHook({});
}

bool ConsoleWindowFixture::waitUntil(const std::function<bool()>& done, int msecs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < msecs)
        QTest::qWait(10);
    return done();
}

void ConsoleWindowFixture::start(bool show) {
    store = std::make_unique<SettingsStore>(path());
    pacer = std::make_unique<UiPacer>();
    devices = std::make_unique<SerialDevices>(*pacer);
    console = std::make_unique<Console>(*store, *devices);
    window = std::make_unique<MainWindow>(*console, *devices, *pacer);
    window->FormCreate();
    if (show)
        window->show();
}

} // namespace wall::test
