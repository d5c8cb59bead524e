#pragma once

#include "IniFixture.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "serial/TraceIo.h"

#include <memory>

namespace wall::test {

// A console on a settings file of the test's own and the recording double:
// every frame and pause it makes is in `io`'s trace.
class TraceConsoleFixture : public IniFixture {
protected:
    // Loads the console from these settings; the first screen is selected.
    void load(const QByteArray& settings) {
        writeFile(settings);
        store = std::make_unique<SettingsStore>(path());
        console = std::make_unique<Console>(*store, io);
        console->load(dirPath());
        console->grid().setSelection({0, 0, 0, 0});
    }
    static QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

    TraceIo io;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Console> console;
};

} // namespace wall::test
