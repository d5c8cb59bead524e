#include "WallGrid.h"

#include "BoardSources.h"
#include "app/SettingsStore.h"

#include <algorithm>

namespace wall {

WallGrid::WallGrid() {
    sources_.fill(kNoSource);
    unnamedWire_.fill(-1);
    for (auto& column : colours_)
        column.fill(kWhite);
    selection_ = wholeWall();
}

bool WallGrid::resize(int rows, int cols) {
    rows_ = std::clamp(rows, 1, kMaxWallSide);
    cols_ = std::clamp(cols, 1, kMaxWallSide);
    selection_ = wholeWall();
    return rows_ == rows && cols_ == cols;
}

int WallGrid::source(int screenIndex) const {
    if (screenIndex < 0 || screenIndex >= kMaxScreens)
        return kNoSource;
    return sources_[size_t(screenIndex)];
}

void WallGrid::setSource(int screenIndex, int sourceCode) {
    if (screenIndex < 0 || screenIndex >= kMaxScreens)
        return;
    sources_[size_t(screenIndex)] = static_cast<std::uint8_t>(sourceCode);
    unnamedWire_[size_t(screenIndex)] = -1;
}

void WallGrid::setUnnamedWire(int screenIndex, int wire) {
    if (screenIndex >= 0 && screenIndex < kMaxScreens)
        unnamedWire_[size_t(screenIndex)] = static_cast<std::int16_t>(wire);
}

int WallGrid::colour(int col, int row) const {
    if (col < 0 || col >= kMaxWallSide || row < 0 || row >= kMaxWallSide)
        return kWhite;
    return colours_[size_t(col)][size_t(row)];
}

void WallGrid::setColour(int col, int row, int bgr) {
    if (col < 0 || col >= kMaxWallSide || row < 0 || row >= kMaxWallSide)
        return;
    colours_[size_t(col)][size_t(row)] = bgr;
}

bool WallGrid::isInside(const Selection& s) const {
    return s.left >= 0 && s.top >= 0 && s.left <= s.right && s.top <= s.bottom && s.right < cols_ &&
           s.bottom < rows_;
}

bool WallGrid::setSelection(const Selection& s) {
    if (!isInside(s))
        return false;
    selection_ = s;
    return true;
}

QString WallGrid::cellText(int row, int col, int board) const {
    const int screen = screenIndex(row, col);
    QString name = boardSourceName(board, source(screen));
    if (screen >= 0 && screen < kMaxScreens && unnamedWire_[size_t(screen)] >= 0)
        name = QStringLiteral("[%1]").arg(unnamedWire_[size_t(screen)]);
    return QStringLiteral("%1:%2  %3").arg(row + 1).arg(col + 1).arg(name);
}

std::string colourKey(int col, int row) {
    return indexedKey("H", col, "V") + std::to_string(row);
}

void WallGrid::loadColours(const SettingsScope& scope) {
    for (int c = 0; c < cols_; ++c)
        for (int r = 0; r < rows_; ++r)
            setColour(c, r, scope.readInt(kWallColourSection, colourKey(c, r), kWhite));
}

void WallGrid::loadSources(const SettingsScope& scope) {
    for (int n = 0; n < screenCount(); ++n)
        setSource(n, scope.readInt("Unit1", indexedKey("Source", n), kNoSource));
}

GridMetrics gridMetrics(int windowWidth, int windowHeight, int rows, int cols) {
    GridMetrics m;
    m.height = windowHeight - 272;
    m.width = windowWidth - 240;
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    // A window smaller than the margins gives empty cells, never negative ones.
    m.rowHeight = std::max((m.height - rows - 1) / rows, 0);
    m.columnWidth = std::max((m.width - cols - 1) / cols, 0);
    return m;
}

std::optional<Cell> hoverCell(int x, int y, int gridWidth, int gridHeight, int rows, int cols) {
    if (rows <= 0 || cols <= 0)
        return std::nullopt;
    const int w = gridWidth / cols;
    const int h = gridHeight / rows;
    std::optional<int> col, row;
    for (int c = 0; c < cols && !col; ++c)
        if (w * c < x && x < w * (c + 1))
            col = c;
    for (int r = 0; r < rows && !row; ++r)
        if (h * r < y && y < h * (r + 1))
            row = r;
    if (!col || !row)
        return std::nullopt;
    return Cell{*row, *col};
}

QString hoverHint(const Cell& cell) {
    return QStringLiteral("%1:%2").arg(cell.row + 1).arg(cell.col + 1);
}

} // namespace wall
