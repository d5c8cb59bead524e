// Feeds random bytes as Setting.ini to the start-up load and to a save that
// must read back. Fast, so that it reaches long, real-looking files.
#include "FuzzSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wall::SettingsStore store(wall::fuzz::settingsFileWith(data, size));
    const auto state = wall::fuzz::loadChecked(store);
    const int rows = state->grid.rows();
    {
        wall::SettingsScope ini = store.open();
        ini.writeInt("SETTING", "Row", rows);
        if (!ini.release())
            __builtin_trap();
    }
    if (store.open().readInt("SETTING", "Row", -1) != rows)
        __builtin_trap();
    return 0;
}
