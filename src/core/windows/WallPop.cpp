#include "WallPop.h"

#include "app/SettingsStore.h"

#include <algorithm>

namespace wall {

namespace {
constexpr const char* kSection = "WallPop";
} // namespace

bool WallPopTable::load(const SettingsScope& scope) {
    const int stored = scope.readInt("WallPopList", "ListLeng", 0);
    listLeng = std::clamp(stored, 0, kPopTableSize);
    for (int n = 0; n < listLeng; ++n) {
        WallPop& r = records[size_t(n)];
        auto byte = [&](const char* suffix) {
            return static_cast<std::uint8_t>(scope.readInt(kSection, indexedKey("", n, suffix), 0));
        };
        auto number = [&](const char* suffix) {
            return scope.readInt(kSection, indexedKey("", n, suffix), 0);
        };
        r.Enable = scope.readBool(kSection, indexedKey("", n, "Enable"), false);
        r.PopStart = byte("PopStart");
        r.PopEnd = byte("PopEnd");
        r.IntPIPHPos = number("IntPIPHPos");
        r.IntPIPVPos = number("IntPIPVPos");
        r.IntPIPHSize = number("IntPIPHSize");
        r.IntPIPVSize = number("IntPIPVSize");
        r.PopCoorS = byte("PopCoorS");
        r.PopCoorE = byte("PopCoorE");
    }
    return listLeng == stored;
}

} // namespace wall
