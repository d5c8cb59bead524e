#pragma once

#include <array>
#include <cstdint>

namespace wall {

class SettingsScope;

// One scheduled task slot. Field widths are those of the stored record;
// values read from the file are truncated to them.
struct TimerSystem {
    std::uint16_t bEnable = 0; // 1 live, 0 free; other values occupy the slot but never run
    std::uint16_t wIndex = 0;
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::int8_t RepeatTimeSel = 0;
    std::uint8_t ucWallStartH = 0;
    std::uint8_t ucWallStartL = 0;
    std::uint8_t ucWallEndH = 0;
    std::uint8_t ucWallEndL = 0;
    std::uint8_t ucCommand = 0;
    std::uint8_t ucCommandParameter = 0;

    bool operator==(const TimerSystem&) const = default;
};

inline constexpr int kTimerSlots = 50;
using TimerTable = std::array<TimerSystem, kTimerSlots>;

// Reads every slot's flag; only a slot whose flag is 1 loads its other
// fields, the rest stay zero.
void loadTimerTable(const SettingsScope& scope, TimerTable& table);

} // namespace wall
