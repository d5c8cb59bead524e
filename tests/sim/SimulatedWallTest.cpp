#include "SimulatedWall.h"

#include <gtest/gtest.h>

using namespace wall;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

TEST(SimulatedWall, DecodesEachFormatAndAnswersReadsFromTheFirstAddressedUnit) {
    struct Case {
        const char* what;
        FrameFormat format;
        const char* frames; // sent in one piece
        const char* reply;  // the package answered, or "" for none
    };
    const Case cases[] = {
        {"format 0 write, then read of row 1 column 2", FrameFormat::Short,
         "FBB1122341 32AE"
         "FBB2222241 01AE",
         "224132AE"},
        // 300 goes out as 300 mod 256 and 300 / 255, and comes back counted
        // as high x 255 + low: 299, the units' own arithmetic.
        {"format 1 write of 300, read", FrameFormat::Wide,
         "FBB1111141 2C01 AE"
         "FBB2111141 0100AE",
         "E500412C 01E0"},
        {"format 2 step up from the default", FrameFormat::RowCol,
         "FBB0010101014101AE"
         "FBB2010101014101AE",
         "01014133AE"},
        {"format 0 main source switch and read", FrameFormat::Short,
         "FBB0112230 0FAE"
         "FBB2121230 01AE",
         "12300FAE"},
        {"noise before a frame is skipped", FrameFormat::Short,
         "00AEFB01"
         "FBB2111140 01AE",
         "114032AE"},
        {"a read of a unit beyond the wall's size still gets its answer", FrameFormat::Short,
         "FBB2444440 01AE", "444032AE"},
        {"a read beyond the largest wall gets none", FrameFormat::RowCol, "FBB21F011F014001AE", ""},
    };
    for (const Case& c : cases) {
        SimulatedWall sim(3, 3, c.format);
        const QList<QByteArray> replies = sim.feed(hex(c.frames));
        const QByteArray expected = hex(c.reply);
        if (expected.isEmpty()) {
            EXPECT_TRUE(replies.isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(replies.size(), 1) << c.what;
        EXPECT_EQ(replies.first().toHex(' '), expected.toHex(' ')) << c.what;
    }
}

TEST(SimulatedWall, FramesMayArriveInPieces) {
    SimulatedWall sim(2, 2, FrameFormat::Short);
    const QByteArray frame = hex("FBB0112210 00AE");
    for (char b : frame)
        EXPECT_TRUE(sim.feed(QByteArray(1, b)).isEmpty());
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_FALSE(sim.unit(r, c).power) << r << "," << c;
    EXPECT_EQ(sim.log().size(), 1);
}

TEST(SimulatedWall, TheWholeWallFormsReachEveryUnit) {
    SimulatedWall sim(3, 3, FrameFormat::RowCol);
    sim.feed(hex("FBB00101FFFF3000AE"));
    EXPECT_EQ(sim.unit(2, 2).sourceWire, 0);
    sim.feed(hex("FBB1000000004177AE"));
    EXPECT_EQ(sim.unit(1, 2).values.at(0x41), 0x77);
}

TEST(SimulatedWall, AnswersUnitsBeyondItsSizeAndKeepsThemWhenReshaped) {
    // Started as 3 x 3; the console has since made the wall 4 x 6.
    SimulatedWall wall(3, 3, FrameFormat::Short);
    EXPECT_TRUE(wall.feed(hex("FBB1464641 1EAE")).isEmpty()); // brightness 30 at 4:6
    EXPECT_EQ(wall.feed(hex("FBB2464641 01AE")), QList<QByteArray>{hex("46411EAE")})
        << "unit 4:6 answers";
    EXPECT_EQ(wall.unit(3, 5).values.at(0x41), 30);

    wall.reshape(4, 6, FrameFormat::RowCol);
    EXPECT_EQ(wall.rows(), 4);
    EXPECT_EQ(wall.cols(), 6);
    EXPECT_EQ(wall.unit(3, 5).values.at(0x41), 30) << "every unit keeps its state";
    // A whole-wall frame of format 2 reaches the new size.
    wall.feed(hex("FBB1000000004250AE"));
    EXPECT_EQ(wall.unit(3, 5).values.at(0x42), 0x50);
    EXPECT_EQ(wall.unit(4, 0).values.count(0x42), 0u) << "row 5 is outside the wall";
}

} // namespace

namespace {

TEST(SimulatedWall, BytesThatAreNoFrameForTheUnitsAreLoggedAsOther) {
    // A matrix switcher's frame on the shared link, then a power-on.
    SimulatedWall wall(3, 3, FrameFormat::Short);
    wall.feed(hex("FF010503 01AA FBB0111110 01AE"));
    EXPECT_EQ(wall.log(), (QStringList{QStringLiteral("other FF 01 05 03 01 AA"),
                                       QStringLiteral("frame FB B0 11 11 10 01 AE")}));
}

} // namespace

namespace {

TEST(SimulatedWall, EachUnitStoresItsStateAsAPlanAndTakesItBack) {
    for (FrameFormat format : {FrameFormat::Short, FrameFormat::Wide, FrameFormat::RowCol}) {
        SimulatedWall wall(2, 2, format);
        // The save's and the recall's all-screens frames of plan 3 in this layout.
        const QByteArray store = format == FrameFormat::Short  ? hex("FBB011FFC903AE")
                                 : format == FrameFormat::Wide ? hex("FBB111FFC90300AE")
                                                               : hex("FBB00101FFFFC903AE");
        QByteArray recall = store;
        recall[recall.indexOf(char(0xC9))] = char(0xCA);
        wall.unit(0, 1).sourceWire = 2;
        wall.unit(1, 0).values[0x41] = 70;
        wall.feed(store);
        wall.unit(0, 1).sourceWire = 14;
        wall.unit(1, 0).values[0x41] = 10;
        wall.feed(recall);
        EXPECT_EQ(wall.unit(0, 1).sourceWire, 2) << int(format);
        EXPECT_EQ(wall.unit(1, 0).values.at(0x41), 70) << int(format);
        EXPECT_EQ(wall.log().filter(QStringLiteral("plan 3 recalled")).size(), 1) << int(format);
    }
}

} // namespace
