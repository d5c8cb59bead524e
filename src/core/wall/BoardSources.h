#pragma once

#include <QString>

#include <optional>
#include <span>

namespace wall {

// The console's source numbering: 0 VGA, 1 RGB, 2 AV (AV1), 3 AV2, 4 AV3,
// 5 AV4, 6 AV5 (QUAD on board 8), 7 S-video, 8 YPbPr, 9 second YPbPr,
// 10 DVI (DVI1, HDMI1), 11 HDMI (DVI2, DP, HDMI2), 12 none.
inline constexpr int kSourceCount = 13;
inline constexpr int kNoSource = 12;
inline constexpr int kBoardCount = 12;

// Short name (grid labels) of a source on a board; empty for code 12, for
// codes without a name and for boards or codes outside the tables.
QString boardSourceName(int board, int sourceCode);
// Long name (source choosers).
QString boardSourceLongName(int board, int sourceCode);
// The sources a board offers, in chooser order; empty for an unknown board.
std::span<const int> boardSourceList(int board);

// The product item of a board type, named by what sets the board apart:
// "8 (四画面)" / "8 (four pictures)". Empty outside 0 … 11.
QString boardProductName(int board, int language);

// SourceCode -> the byte the screens use (switching, sub-source).
std::optional<int> sourceToWire(int sourceCode);
// Wire byte -> SourceCode (read-back); defined for wire codes 0 … 29.
std::optional<int> sourceFromWire(int wire);

} // namespace wall
