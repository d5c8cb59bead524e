// The routing engine around the protocol frames: which screens it visits,
// what it records, the four pictures of board 8, the buffer limit, and the
// checks of the console's routing entry.

#include "core/matrix/MatrixCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using namespace wall;
using namespace wall::test;

namespace {

class MatrixControlTest : public MatrixCaseFixture {
protected:
    const MatrixTable& routed(MatrixKind kind) {
        return console->state().matrix.routedInput[size_t(kind)];
    }
    QStringList writes() const { return io.lines().filter(QStringLiteral("write")); }
};

// One-to-one outputs 1 … n of a list as the ZRQ frame carries them.
Bytes zrqFrame(int id, int category, int input, int first, int count) {
    Bytes b;
    b.bytes({0xC5, 0xB1, id, category, 3 + count, 0x15, 'R', input});
    for (int o = first; o < first + count; ++o)
        b.byte(o);
    const int check = b.sum(2, b.size() - 1);
    return b.byte(check == 0xC5 ? 0x3A : check);
}

TEST_F(MatrixControlTest, UnwiredSelectionsAndUnknownSources) {
    const std::string unwired = "[Matrix]\nMatrix_AV_OutputStr0=0\nMatrix_AV_OutputStr1=0\n";
    runAll({
        {.name = "per-output protocol, every selected screen unwired",
         .settings = unwired + "AV_Company=28\n",
         .selection = {0, 0, 1, 0},
         .expected = ""},
        {.name = "ZRQ batch frame still goes out with the input alone",
         .settings = unwired + "AV_Company=1\nMatrix_AV_DelayTime=20\n",
         .input = 3,
         .address = 2,
         .selection = {0, 0, 1, 0},
         .expected = Trace().write(1, zrqFrame(2, 0xA2, 3, 1, 0)).pause(20).str()},
        {.name = "source 7", .settings = "[Matrix]\nAV_Company=28\n", .source = 7},
        {.name = "source 9", .settings = "[Matrix]\nAV_Company=28\n", .source = 9},
        {.name = "source 12", .settings = "[Matrix]\nDVI_Company=16\n", .source = 12},
        {.name = "protocol index past the list", .settings = "[Matrix]\nAV_Company=90\n"},
        {.name = "negative protocol index", .settings = "[Matrix]\nVGA_Company=-3\n", .source = 0},
    });
}

TEST_F(MatrixControlTest, SharedOutputsAreCommandedOnceAndEveryScreenRecorded) {
    // Screens 0 and 1 share output 5; screen 2 is not wired; screen 3 keeps 4.
    load("[SETTING]\nRow=2\nCol=2\n[Matrix]\nAV_Company=28\nMatrix_AV_DelayTime=0\n"
         "Matrix_AV_OutputStr0=5\nMatrix_AV_OutputStr1=5\nMatrix_AV_OutputStr2=0\n");
    ASSERT_TRUE(console->grid().setSelection({0, 0, 1, 1}));
    io.clear();
    console->matrixControl(3, 2, 1);
    EXPECT_EQ(io.text().toStdString(),
              Trace().write(1, Bytes().ascii("2*5%")).write(1, Bytes().ascii("2*4%")).str());
    const MatrixTable& av = routed(MatrixKind::AV);
    EXPECT_EQ(av[0], 2);
    EXPECT_EQ(av[1], 2) << "recorded although its output was commanded already";
    EXPECT_EQ(av[2], 1) << "not wired: untouched";
    EXPECT_EQ(av[3], 2);
    EXPECT_EQ(routed(MatrixKind::VGA)[0], 1) << "other kinds untouched";
}

TEST_F(MatrixControlTest, RoutedInputLessOneForTriolionAndRea) {
    for (const char* company : {"11", "83"}) {
        SCOPED_TRACE(company);
        load(QByteArray("[Matrix]\nAV_Company=") + company + "\n");
        console->matrixControl(2, 6, 1);
        EXPECT_EQ(routed(MatrixKind::AV)[0], 5);
    }
}

TEST_F(MatrixControlTest, ZrqSplitsAtLengthOneHundredFiftyOnAWall) {
    // 10 x 16 screens, one-to-one: 160 outputs in one-byte fields.
    load("[SETTING]\nRow=10\nCol=16\n[Matrix]\nAV_Company=1\nMatrix_AV_InputMax=16\n"
         "Matrix_AV_DelayTime=30\n");
    ASSERT_TRUE(console->grid().setSelection({0, 0, 15, 9}));
    io.clear();
    console->matrixControl(2, 7, 1);
    EXPECT_EQ(io.text().toStdString(), Trace()
                                           .write(1, zrqFrame(1, 0xA2, 7, 1, 147))
                                           .pause(30)
                                           .write(1, zrqFrame(1, 0xA2, 7, 148, 13))
                                           .pause(30)
                                           .str());
}

TEST_F(MatrixControlTest, LongListsSplitAtOutputBoundariesWithinTheBuffer) {
    // 30 x 30 screens, one-to-one: outputs 1 … 900, input 4, address 1.
    const QByteArray wall = "[SETTING]\nRow=30\nCol=30\n[Matrix]\nMatrix_AV_DelayTime=0\n";
    auto route = [&](const char* company) {
        load(wall + "AV_Company=" + company + "\n");
        EXPECT_TRUE(console->grid().setSelection({0, 0, 29, 29}));
        io.clear();
        console->matrixControl(2, 4, 1);
        std::vector<QByteArray> frames;
        for (const QString& line : writes()) {
            frames.push_back(QByteArray::fromHex(line.section(QLatin1Char(' '), 2).toLatin1()));
            EXPECT_LE(frames.back().size(), 255);
        }
        EXPECT_GT(frames.size(), 1u);
        return frames;
    };
    std::vector<int> all(900);
    std::iota(all.begin(), all.end(), 1);

    {
        SCOPED_TRACE("CREATEK: \"4V\" and the outputs, each piece closed by '.'");
        std::vector<int> outputs;
        for (const QByteArray& f : route("9")) {
            ASSERT_TRUE(f.startsWith("4V"));
            EXPECT_TRUE(f.endsWith('.'));
            for (const QByteArray& o : f.mid(2, f.size() - 3).split(','))
                outputs.push_back(o.toInt());
        }
        EXPECT_EQ(outputs, all) << "every output once, in order";
    }
    {
        SCOPED_TRACE("WP002: 96 <ID> 01 2n+2 A4, pairs <O-1> <I>, checksum");
        std::vector<int> outputs;
        for (const QByteArray& f : route("25")) {
            Bytes b;
            for (char c : f)
                b.byte(c);
            ASSERT_GE(b.size(), 8);
            EXPECT_EQ(b.at(0), 0x96);
            EXPECT_EQ(b.at(4), 0xA4);
            const int n = (b.at(3) - 2) / 2;
            ASSERT_EQ(b.size(), 5 + 2 * n + 1);
            for (int i = 0; i < n; ++i) {
                outputs.push_back(b.at(5 + 2 * i) + 1);
                EXPECT_EQ(b.at(6 + 2 * i), 4);
            }
            const int sum = b.sum(0, b.size() - 2);
            EXPECT_EQ(b.at(b.size() - 1), sum == 0x96 ? 0x6A : sum);
        }
        std::vector<int> low(all.size());
        std::transform(all.begin(), all.end(), low.begin(),
                       [](int o) { return (o - 1) % 256 + 1; });
        EXPECT_EQ(outputs, low) << "every output once, in order (a byte each)";
    }
}

// Board 8: four pictures per screen, the AV map four entries per screen.
class BoardEightTest : public MatrixControlTest {
protected:
    // Screen 1 of a 1 x 2 wall, its pictures wired to outputs 21 … 24.
    void loadBoardEight(const char* company) {
        load(QByteArray("[SETTING]\nRow=1\nCol=2\n[System]\nBoardSel=8\n[Matrix]\n"
                        "Matrix_AV_DelayTime=0\nAV_Company=") +
             company +
             "\nMatrix_AV_OutputStr4=21\nMatrix_AV_OutputStr5=22\n"
             "Matrix_AV_OutputStr6=23\nMatrix_AV_OutputStr7=24\n");
        ASSERT_TRUE(console->grid().setSelection({1, 0, 1, 0}));
        io.clear();
    }
};

TEST_F(BoardEightTest, FourPictureProtocolsRouteThePictureChosen) {
    struct Case {
        MatrixPicture picture;
        int output; // 0: nothing sent
    };
    const Case cases[] = {
        {{1, 0}, 21}, {{4, 0}, 24}, // AV1 … AV4 in the source list
        {{5, 2}, 22},               // "QUAD": the sub-signal list chooses
        {{5, 0}, 0},                // "QUAD" with "NULL": nothing
        {{6, 3}, 0},                // another source item: no picture
        {{-1, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture.sourceItem * 10 + c.picture.subSignalItem);
        loadBoardEight("77"); // MAINVAN3, four pictures
        console->state().matrixPicture = c.picture;
        console->matrixControl(2, 9, 3);
        if (c.output == 0) {
            EXPECT_EQ(io.text(), QString());
            EXPECT_EQ(routed(MatrixKind::AV)[4], 1) << "nothing recorded";
            continue;
        }
        Bytes frame = Bytes().bytes({0xF4, 9, 0x21, c.output, 0x00, 0x0F, 3});
        frame.appendSum(1, 6);
        EXPECT_EQ(io.text().toStdString(), Trace().write(1, frame).str());
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(routed(MatrixKind::AV)[size_t(4 + k)], 20 + k + 1 == c.output ? 9 : 1)
                << "only the picture's entry records the input";
    }
}

TEST_F(BoardEightTest, OtherProtocolsUseTheScreensOwnEntry) {
    loadBoardEight("28"); // EXTRON: entry s, not 4s
    console->state().matrixPicture = {5, 0};
    console->matrixControl(2, 9, 3);
    EXPECT_EQ(io.text().toStdString(), Trace().write(1, Bytes().ascii("9*1%")).str())
        << "entry 1 is screen 0's second picture, wired to output 1 by default";
    EXPECT_EQ(routed(MatrixKind::AV)[1], 9);
}

TEST_F(MatrixControlTest, RouteMatrixInputChecksThenUsesTheKindsAddress) {
    load("[Matrix]\nAV_Company=28\nAV_ID=9\nVGA_Company=4\nVGA_ID=7\nMatrix_VGA_InputMax=16\n"
         "Matrix_AV_InputMax=120\nMatrix_AV_DelayTime=0\nMatrix_VGA_DelayTime=0\n"
         "[Unit14]\nsuiRadioGroup1=2\n");
    console->setMessageLanguage(1);
    struct Refusal {
        int source, input;
        std::optional<int> type;
        const char* message;
    };
    const Refusal refusals[] = {
        {7, 1, {}, "source 7 is not fed by a matrix"},
        {10, 1, {}, "no DVI matrix is configured"},
        {2, 0, {}, "matrix input 0 is outside 1-120"},
        {0, 17, {}, "matrix input 17 is outside 1-16"},
        {2, 1, 3, "switch type 3 is not 0, 1 or 2"},
    };
    for (const Refusal& r : refusals) {
        const CommandResult result = console->routeMatrixInput(r.source, r.input, r.type);
        EXPECT_FALSE(result.ok) << r.message;
        EXPECT_EQ(result.message.toStdString(), r.message);
    }
    EXPECT_EQ(io.text(), QString()) << "a refusal sends nothing";

    EXPECT_TRUE(console->routeMatrixInput(2, 12).ok);
    EXPECT_TRUE(console->routeMatrixInput(0, 3, 0).ok);
    EXPECT_EQ(io.text().toStdString(),
              Trace().write(1, Bytes().ascii("12*1$")).write(1, Bytes().ascii("3B1.")).str())
        << "the stored switch type (audio), then the one given; addresses 9 and 7 unused by "
           "these frames";
    EXPECT_EQ(console->state().settings.matrixSwitchType, 2) << "a given type is not kept";

    load("[Matrix]\nAV_Company=34\nMatrix_AV_InputMax=120\n");
    console->setMessageLanguage(1);
    const CommandResult kedi = console->routeMatrixInput(2, 97);
    EXPECT_FALSE(kedi.ok);
    EXPECT_EQ(kedi.message.toStdString(), "AV KEDI has no code for input 97");

    load("[System]\nBoardSel=8\n[Matrix]\nAV_Company=5\n");
    console->setMessageLanguage(1);
    const CommandResult board8 = console->routeMatrixInput(2, 1);
    EXPECT_FALSE(board8.ok);
    EXPECT_EQ(board8.message.toStdString(), "board 8 shows four pictures: choose one of AV1-AV4");
}

TEST_F(MatrixControlTest, TheAddressComesFromTheKindsSettings) {
    load("[Matrix]\nDVI_Company=10\nDVI_ID=1\nMatrix_DVI_DelayTime=0\n");
    ASSERT_TRUE(console->grid().setSelection({2, 0, 2, 0}));
    ASSERT_TRUE(console->routeMatrixInput(10, 2).ok);
    EXPECT_EQ(io.text().toStdString(), Trace().write(1, Bytes("FF 07 01 02 01 02 F4")).str())
        << "DVI ODIN, address 1, input 2 to output 3";
}

} // namespace
