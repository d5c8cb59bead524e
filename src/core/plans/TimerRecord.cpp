#include "TimerRecord.h"

#include "app/SettingsStore.h"

#include <string>

namespace wall {

namespace {

// Field keys in the stored order, with their defaults (wIndex defaults to the
// slot number and is handled apart).
template <typename T> struct Field {
    const char* key;
    T TimerSystem::*member;
    int fallback;
};

constexpr std::array<Field<std::uint16_t>, 7> kWideFields = {{
    {"TimerSystem.wYear", &TimerSystem::wYear, 2010},
    {"TimerSystem.wMonth", &TimerSystem::wMonth, 1},
    {"TimerSystem.wDayOfWeek", &TimerSystem::wDayOfWeek, 0},
    {"TimerSystem.wDay", &TimerSystem::wDay, 1},
    {"TimerSystem.wHour", &TimerSystem::wHour, 0},
    {"TimerSystem.wMinute", &TimerSystem::wMinute, 0},
    {"TimerSystem.wSecond", &TimerSystem::wSecond, 0},
}};

constexpr std::array<Field<std::uint8_t>, 6> kByteFields = {{
    {"TimerSystem.ucWallStartH", &TimerSystem::ucWallStartH, 1},
    {"TimerSystem.ucWallStartL", &TimerSystem::ucWallStartL, 1},
    {"TimerSystem.ucWallEndH", &TimerSystem::ucWallEndH, 1},
    {"TimerSystem.ucWallEndL", &TimerSystem::ucWallEndL, 1},
    {"TimerSystem.ucCommand", &TimerSystem::ucCommand, 16},
    {"TimerSystem.ucCommandParameter", &TimerSystem::ucCommandParameter, 1},
}};

} // namespace

void loadTimerTable(const SettingsScope& scope, TimerTable& table) {
    for (int n = 0; n < kTimerSlots; ++n) {
        const std::string section = indexedKey("NO.", n);
        TimerSystem record;
        record.bEnable =
            static_cast<std::uint16_t>(scope.readInt(section, "TimerSystem.bEnable", 0));
        if (record.bEnable == 1) {
            record.wIndex =
                static_cast<std::uint16_t>(scope.readInt(section, "TimerSystem.wIndex", n));
            for (const auto& f : kWideFields)
                record.*f.member =
                    static_cast<std::uint16_t>(scope.readInt(section, f.key, f.fallback));
            record.RepeatTimeSel =
                static_cast<std::int8_t>(scope.readInt(section, "TimerSystem.RepeatTimeSel", 3));
            for (const auto& f : kByteFields)
                record.*f.member =
                    static_cast<std::uint8_t>(scope.readInt(section, f.key, f.fallback));
        }
        table[size_t(n)] = record;
    }
}

} // namespace wall
