#pragma once

#include "wall/WallGrid.h"

#include <array>
#include <optional>
#include <string_view>

namespace wall {

class SettingsScope;

// The four kinds of external matrix switcher. The settings keys spell the
// YPbPr kind "YUV".
enum class MatrixKind { AV = 0, VGA = 1, DVI = 2, YUV = 3 };
inline constexpr int kMatrixKindCount = 4;
std::string_view matrixKeyName(MatrixKind kind); // "AV", "VGA", "DVI", "YUV"

// The input-count list offers 1 … 1000.
inline constexpr int kMaxMatrixInputs = 1000;

struct MatrixSettings {
    int company = 0;     // protocol index; 0 = not used
    int type = 0;        // model index (AV and VGA only)
    int id = 1;          // device address
    int inputMax = 4;    // number of inputs
    int delayTime = 100; // ms after each command
};

// Board 8 shows four pictures per screen, so its AV tables hold four entries
// per screen. The tables are sized for that on the largest wall.
inline constexpr int kAvPicturesOnBoard8 = 4;
inline constexpr int kMatrixTableSize = kMaxScreens * kAvPicturesOnBoard8;

using MatrixTable = std::array<int, kMatrixTableSize>;

struct MatrixConfig {
    std::array<MatrixSettings, kMatrixKindCount> kinds;
    // Matrix output feeding each screen (0 = not wired), per kind.
    std::array<MatrixTable, kMatrixKindCount> outputMap;
    // The input most recently switched to each screen, per kind; all 1 at start.
    std::array<MatrixTable, kMatrixKindCount> routedInput;
    int matrixUse = 1;

    MatrixConfig();

    const MatrixSettings& settings(MatrixKind k) const { return kinds[size_t(k)]; }

    // Number of map entries per screen for a kind on a board.
    static int entriesPerScreen(MatrixKind kind, int board);

    // The [Matrix] records of the four kinds, AV, VGA, DVI, YUV in turn.
    void loadSettings(const SettingsScope& scope);
    void saveSettings(SettingsScope& scope) const;
    // The output maps of the first `screens` screens (four entries per
    // screen for AV on board 8).
    void loadOutputMaps(const SettingsScope& scope, int screens, int board);
    void saveOutputMaps(SettingsScope& scope, int screens, int board) const;

    // Menu rules that follow the AV protocol.
    bool cameraMenusVisible() const;    // MAINVAN (5) or INFINOVA (16)
    bool panasonicItemsVisible() const; // Panasonic (88)
};

} // namespace wall
