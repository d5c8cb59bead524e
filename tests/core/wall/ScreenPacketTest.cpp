#include "wall/ScreenPacket.h"

#include <gtest/gtest.h>

using namespace wall;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// Selections are written as rows then columns, the way the frames name them.
Selection rowsCols(int top, int bottom, int left, int right) {
    return {left, top, right, bottom};
}

struct FrameCase {
    const char* what;
    int cmdForm;
    ScreenCommand command;
    Selection target;
    int parameter;
    unsigned value;
    QByteArray expected;
};

TEST(ScreenPacket, FramesInAllThreeLayouts) {
    const auto W = ScreenCommand::Write, S = ScreenCommand::Step, R = ScreenCommand::Read;
    const FrameCase cases[] = {
        {"brightness 50, rows 0-1, columns 1-2", 0, W, rowsCols(0, 1, 1, 2), 0x41, 50,
         bytes({0xFB, 0xB1, 0x12, 0x23, 0x41, 0x32, 0xAE})},
        {"a single screen has equal start and end", 0, S, rowsCols(1, 1, 2, 2), 0x41, 1,
         bytes({0xFB, 0xB0, 0x23, 0x23, 0x41, 0x01, 0xAE})},
        {"2x2 switched to HDMI", 0, S, rowsCols(0, 1, 0, 1), 0x30, 0x0F,
         bytes({0xFB, 0xB0, 0x11, 0x22, 0x30, 0x0F, 0xAE})},
        {"main-source read of row 0 column 1", 0, R, rowsCols(0, 0, 1, 1), 0x30, 1,
         bytes({0xFB, 0xB2, 0x12, 0x12, 0x30, 0x01, 0xAE})},
        {"CmdForm 3 is the 7-byte layout", 3, W, rowsCols(0, 0, 0, 0), 0x40, 7,
         bytes({0xFB, 0xB1, 0x11, 0x11, 0x40, 0x07, 0xAE})},
        {"the last nibble address", 0, W, rowsCols(14, 14, 14, 14), 0x40, 0,
         bytes({0xFB, 0xB1, 0xFF, 0xFF, 0x40, 0x00, 0xAE})},
        {"format 1 write 300: 300 mod 256, 300 / 255", 1, W, rowsCols(0, 0, 0, 0), 0x41, 300,
         bytes({0xFB, 0xB1, 0x11, 0x11, 0x41, 0x2C, 0x01, 0xAE})},
        {"format 1 write below 255", 1, W, rowsCols(0, 2, 0, 2), 0xB3, 254,
         bytes({0xFB, 0xB1, 0x11, 0x33, 0xB3, 0xFE, 0x00, 0xAE})},
        {"format 1 write 255 divides by 255", 1, W, rowsCols(0, 0, 0, 0), 0xB3, 255,
         bytes({0xFB, 0xB1, 0x11, 0x11, 0xB3, 0xFF, 0x01, 0xAE})},
        {"format 1 write of the largest value", 1, W, rowsCols(0, 0, 0, 0), 0x41, 65279,
         bytes({0xFB, 0xB1, 0x11, 0x11, 0x41, 0xFF, 0xFF, 0xAE})},
        {"format 1 step has a zero high byte", 1, S, rowsCols(0, 0, 0, 0), 0x41, 1,
         bytes({0xFB, 0xB0, 0x11, 0x11, 0x41, 0x01, 0x00, 0xAE})},
        {"format 1 read", 1, R, rowsCols(1, 1, 1, 1), 0x30, 1,
         bytes({0xFB, 0xB2, 0x22, 0x22, 0x30, 0x01, 0x00, 0xAE})},
        {"format 2 rows 2-3, columns 0-4", 2, W, rowsCols(2, 3, 0, 4), 0x41, 50,
         bytes({0xFB, 0xB1, 0x03, 0x01, 0x04, 0x05, 0x41, 0x32, 0xAE})},
        {"format 2 addresses a 30 x 30 wall", 2, S, rowsCols(0, 29, 0, 29), 0x10, 1,
         bytes({0xFB, 0xB0, 0x01, 0x01, 0x1E, 0x1E, 0x10, 0x01, 0xAE})},
        {"format 2 read", 2, R, rowsCols(0, 0, 2, 2), 0x30, 1,
         bytes({0xFB, 0xB2, 0x01, 0x03, 0x01, 0x03, 0x30, 0x01, 0xAE})},
    };
    for (const FrameCase& c : cases) {
        const FrameFormat format = frameFormatFor(c.cmdForm);
        const ScreenFrame frame =
            buildScreenFrame(format, c.command, c.target, std::uint8_t(c.parameter), c.value);
        ASSERT_TRUE(frame.ok()) << c.what;
        EXPECT_EQ(frame.bytes.toHex(' '), c.expected.toHex(' ')) << c.what;
        EXPECT_EQ(frame.bytes.size(), frameLength(format)) << c.what;
    }
}

TEST(ScreenPacket, FramesThatCannotBeExactAreRefused) {
    const auto W = ScreenCommand::Write, S = ScreenCommand::Step;
    struct Case {
        const char* what;
        int cmdForm;
        ScreenCommand command;
        Selection target;
        unsigned value;
        FrameError error;
    };
    const Case cases[] = {
        {"row 16 in format 0", 0, W, rowsCols(0, 15, 0, 0), 1, FrameError::AddressOverflow},
        {"column 16 in format 1", 1, S, rowsCols(0, 0, 3, 15), 1, FrameError::AddressOverflow},
        {"format 0 value above a byte", 0, W, rowsCols(0, 0, 0, 0), 256, FrameError::ValueOverflow},
        {"format 2 value above a byte", 2, W, rowsCols(0, 0, 0, 0), 300, FrameError::ValueOverflow},
        {"format 1 high byte above 255", 1, W, rowsCols(0, 0, 0, 0), 65280,
         FrameError::ValueOverflow},
        {"inverted rectangle", 2, W, rowsCols(2, 1, 0, 0), 1, FrameError::EmptySelection},
    };
    for (const Case& c : cases) {
        const ScreenFrame frame =
            buildScreenFrame(frameFormatFor(c.cmdForm), c.command, c.target, 0x41, c.value);
        EXPECT_EQ(frame.error, c.error) << c.what;
        EXPECT_TRUE(frame.bytes.isEmpty()) << c.what;
        EXPECT_FALSE(describe(frame.error).isEmpty());
    }
}

} // namespace
