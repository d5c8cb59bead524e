#include "wall/BoardSources.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

using namespace wall;

namespace {

TEST(BoardSources, NamesDifferPerBoard) {
    struct Case {
        int board, code;
        const char* shortName;
        const char* longName;
    };
    const Case cases[] = {
        {4, 10, "DVI", "DVI"},     {5, 10, "DVI1", "DVI1"},  {2, 11, "DP", "DP"},
        {6, 10, "HDMI1", "HDMI1"}, {8, 6, "QUAD", "QUAD"},   {0, 1, "RGB", "RGBHV"},
        {3, 7, "SV", "SVIDEO"},    {9, 9, "YUV2", "YPBPR2"}, {5, 6, "", "AV5"},
        {5, 8, "", "YPBPR"},       {7, 12, "", ""},          {12, 0, "", ""},
        {-1, 0, "", ""},           {4, 13, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(boardSourceName(c.board, c.code), QLatin1String(c.shortName))
            << c.board << "/" << c.code;
        EXPECT_EQ(boardSourceLongName(c.board, c.code), QLatin1String(c.longName))
            << c.board << "/" << c.code;
    }
}

TEST(BoardSources, EachBoardOffersItsSourcesInChooserOrder) {
    const std::vector<int> expected[kBoardCount] = {
        {0, 2},
        {0, 2, 3, 10, 11},
        {0, 2, 10, 11},
        {0, 2, 3, 4, 7, 8, 10, 11},
        {0, 2, 7, 8, 10, 11},
        {0, 1, 2, 3, 4, 5, 10, 11},
        {0, 2, 8, 10, 11},
        {0, 2, 8, 10},
        {0, 2, 3, 4, 5, 6, 7, 10, 11},
        {0, 1, 2, 3, 7, 8, 10, 11},
        {0, 1, 2, 8, 9, 10, 11},
        {0, 1, 2, 3, 7, 8, 9, 10, 11},
    };
    for (int board = 0; board < kBoardCount; ++board) {
        const auto list = boardSourceList(board);
        EXPECT_EQ(std::vector<int>(list.begin(), list.end()), expected[board]) << "board " << board;
    }
    EXPECT_TRUE(boardSourceList(12).empty());
}

TEST(BoardSources, ShortNamesOfEveryBoard) {
    // Codes 0 … 11 of each board, as the grid labels them.
    const char* rows[kBoardCount] = {
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 DVI HDMI",
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 DVI HDMI",
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 DVI DP",
        "VGA RGB AV1 AV2 AV3 AV4 AV5 SV YUV YUV2 DVI1 DVI2",
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 DVI HDMI",
        "VGA1 VGA2 AV1 AV2 AV3 AV4 - - - - DVI1 HDMI1",
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 HDMI1 HDMI2",
        "VGA RGB AV AV2 AV3 AV4 AV5 SV YUV YUV2 DVI1 DVI2",
        "VGA RGB AV1 AV2 AV3 AV4 QUAD SV YUV YUV2 DVI1 DVI2",
        "VGA RGB AV1 AV2 AV3 AV4 AV5 SV YUV YUV2 DVI HDMI",
        "VGA RGB AV1 AV2 AV3 AV4 AV5 SV YUV YUV2 DVI1 DVI2",
        "VGA RGB AV1 AV2 AV3 AV4 AV5 SV YUV YUV2 DVI1 DVI2",
    };
    for (int board = 0; board < kBoardCount; ++board) {
        QStringList names;
        for (int code = 0; code < 12; ++code) {
            const QString n = boardSourceName(board, code);
            names << (n.isEmpty() ? QStringLiteral("-") : n);
        }
        EXPECT_EQ(names.join(u' '), QLatin1String(rows[board])) << "board " << board;
        EXPECT_TRUE(boardSourceName(board, 12).isEmpty());
    }
}

TEST(BoardSources, WireTranslationsBothWays) {
    const int toWire[] = {12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};
    for (int code = 0; code < 12; ++code)
        EXPECT_EQ(sourceToWire(code), toWire[code]) << code;
    EXPECT_FALSE(sourceToWire(12));
    // Every source the console sends reads back as itself.
    for (int code = 0; code < 12; ++code)
        EXPECT_EQ(sourceFromWire(*sourceToWire(code)), code) << code;
    const int fromWire[30] = {2,  3, 4, 5,  6,  0, 0, 0, 0, 7, 0, 8,  0,  1,  10,
                              11, 9, 0, 12, 13, 0, 1, 2, 3, 4, 9, 11, 16, 14, 15};
    for (int wire = 0; wire < 30; ++wire)
        EXPECT_EQ(sourceFromWire(wire), fromWire[wire]) << "wire " << wire;
    EXPECT_FALSE(sourceFromWire(30));
    EXPECT_FALSE(sourceFromWire(-1));
}

} // namespace
