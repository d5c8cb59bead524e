#include "wall/WallGrid.h"
#include "app/SettingsStore.h"
#include "support/IniFixture.h"

#include <gtest/gtest.h>

using namespace wall;

namespace {

TEST(WallGrid, CellTextsOfAFreshWallCarryOnlyTheirPosition) {
    WallGrid grid;
    QStringList texts;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            texts << grid.cellText(r, c, 4);
    EXPECT_EQ(texts.join(u'|'),
              QStringLiteral("1:1  |1:2  |1:3  |2:1  |2:2  |2:3  |3:1  |3:2  |3:3  "));
}

TEST(WallGrid, CellTextNamesTheSourceForTheBoard) {
    WallGrid grid;
    grid.setSource(grid.screenIndex(1, 2), 0);
    EXPECT_EQ(grid.cellText(1, 2, 4), QStringLiteral("2:3  VGA"));
    grid.setSource(grid.screenIndex(0, 1), 10);
    EXPECT_EQ(grid.cellText(0, 1, 4), QStringLiteral("1:2  DVI"));
    EXPECT_EQ(grid.cellText(0, 1, 5), QStringLiteral("1:2  DVI1"));
    grid.setSource(grid.screenIndex(0, 1), 6);
    EXPECT_EQ(grid.cellText(0, 1, 8), QStringLiteral("1:2  QUAD"));
}

TEST(WallGrid, ScreenIndexIsRowMajorAndFollowsTheColumnCount) {
    WallGrid grid;
    ASSERT_TRUE(grid.resize(4, 2));
    EXPECT_EQ(grid.screenIndex(0, 1), 1);
    EXPECT_EQ(grid.screenIndex(3, 1), 7);
    EXPECT_EQ(grid.screenCount(), 8);
    EXPECT_EQ(grid.selection(), (Selection{0, 0, 1, 3})) << "resizing selects the whole wall";
}

TEST(WallGrid, SelectionMustLieInsideTheWall) {
    WallGrid grid; // 3 x 3
    EXPECT_TRUE(grid.setSelection({1, 1, 2, 2}));
    EXPECT_FALSE(grid.setSelection({0, 0, 3, 0}));
    EXPECT_FALSE(grid.setSelection({2, 0, 1, 0}));
    EXPECT_FALSE(grid.setSelection({-1, 0, 0, 0}));
    EXPECT_EQ(grid.selection(), (Selection{1, 1, 2, 2})) << "a refused selection changes nothing";
}

TEST(WallGrid, HoverHintUsesUniformCellsAndStrictBorders) {
    // 300 x 200 pixels, 2 rows x 3 columns: cells of 100 x 100.
    struct Case {
        int x, y;
        const char* hint; // nullptr: no cell matches, the hint stays as it was
    };
    const Case cases[] = {
        {250, 150, "2:3"},  {50, 50, "1:1"},  {199, 101, "2:2"},  {100, 50, nullptr},
        {50, 100, nullptr}, {0, 50, nullptr}, {300, 50, nullptr}, {50, 200, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<Cell> cell = hoverCell(c.x, c.y, 300, 200, 2, 3);
        if (!c.hint) {
            EXPECT_FALSE(cell) << c.x << "," << c.y;
            continue;
        }
        ASSERT_TRUE(cell) << c.x << "," << c.y;
        EXPECT_EQ(hoverHint(*cell), QString::fromLatin1(c.hint));
    }
    EXPECT_FALSE(hoverCell(10, 10, 300, 200, 0, 3)) << "no division by zero";
}

TEST(WallGrid, SizingRuleOfTheResizeCheck) {
    const GridMetrics m = gridMetrics(856, 611, 3, 3);
    EXPECT_EQ(m.width, 616);
    EXPECT_EQ(m.height, 339);
    EXPECT_EQ(m.columnWidth, (616 - 3 - 1) / 3);
    EXPECT_EQ(m.rowHeight, (339 - 3 - 1) / 3);
    const GridMetrics big = gridMetrics(1000, 800, 30, 7);
    EXPECT_EQ(big.rowHeight, (528 - 30 - 1) / 30);
    EXPECT_EQ(big.columnWidth, (760 - 7 - 1) / 7);
}

class WallGridFileTest : public wall::test::IniFixture {};

TEST_F(WallGridFileTest, ColoursAndSourcesComeFromTheirKeys) {
    writeFile("[WallColor]\nH0V1=255\nH1V0=65280\nH20V20=123\n[Unit1]\nSource7=0\n");
    SettingsStore store(path());
    WallGrid grid;
    grid.resize(4, 2);
    SettingsScope ini = store.open();
    grid.loadColours(ini);
    grid.loadSources(ini);
    EXPECT_EQ(grid.colour(0, 1), 255) << "H<column>V<row>";
    EXPECT_EQ(grid.colour(1, 0), 65280);
    EXPECT_EQ(grid.colour(1, 3), kWhite);
    EXPECT_EQ(grid.source(7), 0);
    EXPECT_EQ(grid.cellText(3, 1, 4), QStringLiteral("4:2  VGA"));

    grid.resize(21, 21);
    grid.loadColours(ini);
    EXPECT_EQ(grid.colour(20, 20), 123) << "cells beyond 16 x 16 keep their own colour";
}

} // namespace
