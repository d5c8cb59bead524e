#pragma once

#include "SerialDevices.h"
#include "app/Console.h"
#include "app/MainWindow.h"
#include "app/Modal.h"
#include "app/SettingsStore.h"
#include "app/UiPacer.h"
#include "support/IniFixture.h"

#include <QDialog>

#include <memory>

namespace wall::test {

// A main window on a settings file of the test's own, offscreen, with every
// message box and modal dialog answered by the test.
class ConsoleWindowFixture : public IniFixture {
protected:
    struct Message {
        Modal::Icon icon;
        QString title, text;
    };

    void SetUp() override;
    void TearDown() override;

    // Builds the console and runs start-up (FormCreate); `show` also runs the
    // first activation.
    void start(bool show = false);

    // Lets events run until `done` holds or the time is up.
    static bool waitUntil(const std::function<bool()>& done, int msecs);

    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    template <typename T> T* findIn(const QString& form, const QString& name) const {
        QWidget* w = window->window(form);
        return w ? w->findChild<T*>(name) : nullptr;
    }

    QList<Message> messages;
    QStringList dialogs;                       // objectName of each modal dialog run
    std::function<int(QDialog&)> answerDialog; // default: reject

    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<UiPacer> pacer;
    std::unique_ptr<SerialDevices> devices;
    std::unique_ptr<Console> console;
    std::unique_ptr<MainWindow> window;
};

} // namespace wall::test
