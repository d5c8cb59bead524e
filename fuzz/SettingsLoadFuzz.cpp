// Feeds random bytes as Setting.ini to the start-up load alone: fast, so
// that it reaches long, real-looking files.
#include "FuzzSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wall::SettingsStore store(wall::fuzz::settingsFileWith(data, size));
    wall::fuzz::loadChecked(store);
    return 0;
}
