#pragma once

#include <array>
#include <cstdint>

namespace wall {

class SettingsScope;

// One record of the pop-window table: a window over a rectangle of screens,
// or the screen record that remembers which window last covered a screen.
// Addresses are always the nibble form (row high, column low, from 1).
struct WallPop {
    bool Enable = false;
    std::uint8_t PopStart = 0;
    std::uint8_t PopEnd = 0;
    std::int32_t IntPIPHPos = 0;
    std::int32_t IntPIPVPos = 0;
    std::int32_t IntPIPHSize = 0;
    std::int32_t IntPIPVSize = 0;
    std::uint8_t PopCoorS = 0;
    std::uint8_t PopCoorE = 0;

    bool operator==(const WallPop&) const = default;
};

inline constexpr int kPopTableSize = 1024;

struct WallPopTable {
    std::array<WallPop, kPopTableSize> records{};
    int listLeng = 0; // slots in use; new records are appended here

    // Reads WallPopList/ListLeng (clamped to the table) and that many records.
    // Returns false when the stored count had to be clamped.
    bool load(const SettingsScope& scope);
};

} // namespace wall
