#include "matrix/MatrixFrames.h"
#include "wall/WallGrid.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace wall;

namespace {

// Worked out from the frame notation, apart from the code under test.
int checksum(const QByteArray& b, int from, int to) {
    int s = 0;
    for (int i = from; i <= to; ++i)
        s += static_cast<unsigned char>(b[i]);
    return s % 256;
}
int at(const QByteArray& b, int i) {
    return static_cast<unsigned char>(b[i]);
}

TEST(MatrixWalk, OutputsOnceEachAndEveryWiredScreenRecorded) {
    WallGrid grid;
    grid.resize(2, 3);
    auto config = std::make_unique<MatrixConfig>();
    MatrixTable& map = config->outputMap[size_t(MatrixKind::AV)];
    map[0] = 5;
    map[1] = 5; // two screens on one output
    map[2] = 0; // not wired
    map[3] = 2;
    ASSERT_TRUE(grid.setSelection({0, 0, 2, 1}));
    MatrixTable& routed = config->routedInput[size_t(MatrixKind::AV)];
    const std::vector<MatrixTarget> outputs = walkOutputs(grid, map, routed, 7);
    EXPECT_EQ(outputs, (std::vector<MatrixTarget>{{5, false}, {2, false}, {6, true}}))
        << "screens 4 and 5 keep their one-to-one outputs, 5 and 6";
    EXPECT_EQ(routed[0], 7);
    EXPECT_EQ(routed[1], 7) << "recorded although its output was commanded already";
    EXPECT_EQ(routed[2], 1) << "not wired: untouched";
    EXPECT_EQ(routed[5], 7);

    map.fill(0);
    EXPECT_TRUE(walkOutputs(grid, map, routed, 3).empty()) << "no wired screen";
}

TEST(MatrixFrames, ZrqBatchSplitsAtLengthOneHundredFifty) {
    std::vector<int> outputs(160);
    std::iota(outputs.begin(), outputs.end(), 1);
    const std::vector<QByteArray> frames = zrqBatchFrames(1, 0xA2, 16, 0, 3, outputs);
    ASSERT_EQ(frames.size(), 2u);
    const int counts[] = {147, 13};
    for (int f = 0; f < 2; ++f) {
        const QByteArray& b = frames[size_t(f)];
        ASSERT_EQ(b.size(), 8 + counts[f] + 1);
        EXPECT_EQ(at(b, 0), 0xC5);
        EXPECT_EQ(at(b, 1), 0xB1);
        EXPECT_EQ(at(b, 2), 1);
        EXPECT_EQ(at(b, 3), 0xA2);
        EXPECT_EQ(at(b, 4), 3 + counts[f]) << "L";
        EXPECT_EQ(at(b, 5), 0x15);
        EXPECT_EQ(at(b, 6), 'Q');
        EXPECT_EQ(at(b, 7), 3);
        const int sum = checksum(b, 2, int(b.size()) - 2);
        EXPECT_EQ(at(b, int(b.size()) - 1), sum == 0xC5 ? 0x3A : sum) << "frame " << f;
    }
    EXPECT_EQ(at(frames[1], 8), 148) << "the second frame goes on with output 148";

    const std::vector<QByteArray> none = zrqBatchFrames(2, 0xA6, 300, 2, 258, {});
    ASSERT_EQ(none.size(), 1u) << "a frame also without outputs";
    EXPECT_EQ(none[0].toHex(' '),
              QByteArray("c5 b1 02 a6 04 25 53 01 02 ") +
                  QByteArray::number(checksum(none[0], 2, 8), 16).rightJustified(2, '0'));
}

TEST(MatrixFrames, PairListsFitTheBufferAndTheirOwnLimit) {
    const std::vector<QByteArray> one = pairListFrames({.kindByte = 0xA4}, 1, 2, {1, 3});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].left(9).toHex(' '), QByteArray("96 01 01 06 a4 00 01 02 01"));
    const int sum = checksum(one[0], 0, 8);
    EXPECT_EQ(at(one[0], 9), sum == 0x96 ? 0x6A : sum);
    EXPECT_TRUE(pairListFrames({.kindByte = 0xA4}, 1, 2, {}).empty());

    std::vector<int> many(130);
    std::iota(many.begin(), many.end(), 1);
    const std::vector<QByteArray> split =
        pairListFrames({.kindByte = 0xA0, .inputLessOne = false, .maxPairs = 20}, 1, 1, many);
    EXPECT_EQ(split.size(), 7u) << "at most 20 pairs a frame";
    EXPECT_EQ(at(split[0], 3), 0x2A);
    for (const QByteArray& f : pairListFrames({.kindByte = 0xA4, .maxPairs = 200}, 1, 2, many))
        EXPECT_LE(f.size(), kMaxMatrixFrame) << "never beyond the 255-byte buffer";
}

} // namespace
