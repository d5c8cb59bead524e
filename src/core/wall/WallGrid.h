#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace wall {

class SettingsScope;

// Every per-screen table (sources, matrix maps, routed inputs) holds this
// many entries, indexed by ScreenIndex.
inline constexpr int kMaxScreens = 1000;
// The wall settings dialog offers 1 … 30 rows and columns.
inline constexpr int kMaxWallSide = 30;
inline constexpr int kDefaultWallSide = 3;
inline constexpr int kWhite = 16777215; // 0x00BBGGRR

// The selected rectangle: 0-based first and last column and row, inclusive.
struct Selection {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int columnCount() const { return right - left + 1; }
    int rowCount() const { return bottom - top + 1; }
    bool operator==(const Selection&) const = default;
};

// The wall model: Row x Col screens, each screen's main source, the cell
// colours and the current selection that every command builder reads.
class WallGrid {
public:
    WallGrid();

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int screenCount() const { return rows_ * cols_; }

    // Sets the wall size, each side clamped to 1 … 30. Returns false when a
    // value had to be clamped. The selection is reset to the whole wall.
    bool resize(int rows, int cols);

    // Row-major, 0-based: row x Col + column.
    int screenIndex(int row, int col) const { return row * cols_ + col; }

    // Main source of a screen (SourceCode, one byte; 12 = none).
    int source(int screenIndex) const;
    void setSource(int screenIndex, int sourceCode);
    // A source a screen reported that has no name on any board: its wire
    // code, shown in brackets so that the operator sees the answer came.
    void setUnnamedWire(int screenIndex, int wire);

    // Cell colour as 24-bit BGR; white outside the wall.
    int colour(int col, int row) const;
    void setColour(int col, int row, int bgr);
    bool customColours() const { return customColours_; }
    void setCustomColours(bool on) { customColours_ = on; }

    const Selection& selection() const { return selection_; }
    // Accepts a rectangle inside the wall with left <= right and top <= bottom.
    bool setSelection(const Selection& s);
    bool isInside(const Selection& s) const;
    Selection wholeWall() const { return {0, 0, cols_ - 1, rows_ - 1}; }

    // "2:3  VGA": 1-based row and column, two blanks, the short source name of
    // the board (empty for no source).
    QString cellText(int row, int col, int board) const;

    // Loads WallColor/H<c>V<r> for the current size, columns outer, rows inner.
    void loadColours(const SettingsScope& scope);
    // Loads Unit1/Source<n> for every screen in ScreenIndex order.
    void loadSources(const SettingsScope& scope);

private:
    int rows_ = kDefaultWallSide;
    int cols_ = kDefaultWallSide;
    bool customColours_ = false;
    Selection selection_;
    std::array<std::uint8_t, kMaxScreens> sources_;
    std::array<std::int16_t, kMaxScreens> unnamedWire_; // -1: none
    // Indexed [column][row]. Sized for the largest wall the dialog offers, so
    // walls above 16 x 16 keep a colour for every cell.
    std::array<std::array<int, kMaxWallSide>, kMaxWallSide> colours_;
};

// Settings keys of the wall model.
std::string colourKey(int col, int row); // "H<c>V<r>"
inline constexpr const char* kWallColourSection = "WallColor";

// Cell sizes on a resize check: the grid takes the window less 240 x 272
// pixels; each cell is (extent - count - 1) / count, integer division.
struct GridMetrics {
    int width = 0;
    int height = 0;
    int columnWidth = 0;
    int rowHeight = 0;
};
GridMetrics gridMetrics(int windowWidth, int windowHeight, int rows, int cols);

// The cell under the mouse with uniform cells of gridWidth / cols by
// gridHeight / rows pixels; points on a cell border match no cell.
struct Cell {
    int row = 0;
    int col = 0;
};
std::optional<Cell> hoverCell(int x, int y, int gridWidth, int gridHeight, int rows, int cols);
// "2:3": 1-based row and column, no blanks.
QString hoverHint(const Cell& cell);

} // namespace wall
