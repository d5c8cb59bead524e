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
        {"a read outside the wall gets no answer", FrameFormat::Short, "FBB2444440 01AE", ""},
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

} // namespace
