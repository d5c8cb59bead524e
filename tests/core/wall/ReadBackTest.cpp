#include "wall/ReadBack.h"
#include "app/Console.h"
#include "app/Notices.h"
#include "app/SettingsStore.h"
#include "serial/TraceIo.h"
#include "support/TraceConsoleFixture.h"
#include "wall/BoardSources.h"

#include <gtest/gtest.h>

#include <functional>

using namespace wall;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

TEST(ReplyDecoding, EachFormatAndLayout) {
    const auto F0 = FrameFormat::Short, F1 = FrameFormat::Wide, F2 = FrameFormat::RowCol;
    struct Case {
        const char* what;
        FrameFormat format;
        int parameter;
        const char* package;
        std::optional<ReadReply> expected;
    };
    const Case cases[] = {
        {"format 0 brightness 50", F0, 0x41, "11 41 32 AE", ReadReply{50, {}, {}}},
        {"format 0: the address is not checked", F0, 0x41, "99 41 07 AE", ReadReply{7, {}, {}}},
        {"format 0: another parameter", F0, 0x41, "11 40 32 AE", std::nullopt},
        {"format 0: no tail", F0, 0x41, "11 41 32 AF", std::nullopt},
        {"format 0: too short", F0, 0x41, "11 41 32", std::nullopt},
        {"format 2", F2, 0x40, "01 02 40 21 AE", ReadReply{0x21, {}, {}}},
        {"format 2: row and column not checked", F2, 0x40, "09 09 40 21 AE",
         ReadReply{0x21, {}, {}}},
        {"format 2: P in the wrong place", F2, 0x40, "40 02 41 21 AE", std::nullopt},
        {"format 1 single record, high x 255 + low", F1, 0xB3, "E5 00 B3 05 01 E0",
         ReadReply{260, {}, {}}},
        {"format 1 record without its tail", F1, 0xB3, "E5 00 B3 05 01 E1", std::nullopt},
        {"format 1 positions: maximum 399 from the first record", F1, 0x80,
         "E5 00 00 90 01 E0 E5 00 80 2A 00 E0", ReadReply{42, {}, 399}},
        {"format 1 positions need both records", F1, 0x81, "E5 00 81 2A 00 E0", std::nullopt},
        {"format 1 positions: P is in the second record", F1, 0x81,
         "E5 00 81 64 00 E0 E5 00 80 2A 00 E0", std::nullopt},
        {"format 1 window geometry in 256s", F1, 0x67,
         "E5 00 67 02 01 E0 E5 00 00 01 00 E0 E5 00 00 2C 01 E0", ReadReply{258, 1, 300}},
        {"format 1 geometry with a broken middle record", F1, 0x65,
         "E5 00 65 02 01 E0 E4 00 00 01 00 E0 E5 00 00 2C 01 E0", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeReply(c.format, std::uint8_t(c.parameter), hex(c.package)), c.expected)
            << c.what;
}

class SingleReadTest : public wall::test::TraceConsoleFixture {};

TEST_F(SingleReadTest, PackagesThatDoNotMatchAreConsumedAndEachPollWaitsTenMilliseconds) {
    load("[SETTING]\nCmdDelayTime10Ms=5\n");
    io.queueReply(1, hex("11 40 32 AE")); // contrast, not brightness
    io.queueReply(1, hex("00"));
    io.queueReply(1, hex("11 41 2D AE"));
    io.queueReply(1, hex("11 41 63 AE")); // left for the next read
    QList<ReadState> states;
    console->setReadStatusListener([&](ReadState s) { states << s; });
    const ReadEvent e = console->readParameter(0x41, ReadKind::Slider);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.reply.value, 45);
    EXPECT_EQ(console->lastReadValue(), 45);
    EXPECT_EQ(io.text(),
              QStringLiteral("write 1 FB B2 11 11 41 01 AE\npause 10\npause 10\npause 5\n"));
    EXPECT_EQ(states, (QList<ReadState>{ReadState::Reading, ReadState::Success}));

    io.clear();
    const ReadEvent list = console->readParameter(0x45, ReadKind::List);
    EXPECT_FALSE(list.ok) << "the left-over brightness reply does not answer noise reduction";
    EXPECT_EQ(console->lastReadValue(), -1);
    EXPECT_EQ(io.text(),
              QStringLiteral("write 1 FB B2 11 11 45 01 AE\npause 10\npause 10\npause 10\n"
                             "pause 10\npause 10\n"))
        << "a list read has no closing wait";
}

TEST_F(SingleReadTest, WithoutPollsEveryReadFails) {
    load("[SETTING]\nCmdDelayTime10Ms=0\n");
    io.queueReply(1, hex("11 41 32 AE"));
    const ReadEvent e = console->readParameter(0x41, ReadKind::Slider);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(io.text(), QStringLiteral("write 1 FB B2 11 11 41 01 AE\n"));
    EXPECT_EQ(readStateText(0, ReadState::Failure), QStringLiteral("读取状态: 失败"));
    EXPECT_EQ(readStateText(1, ReadState::Success), QStringLiteral("Read State: Success"));
    EXPECT_EQ(readStateText(1, ReadState::Reading), QStringLiteral("Read State: "));
}

TEST_F(SingleReadTest, APageReadListsItsValuesAndStopsWhenAsked) {
    load("[SETTING]\nCmdDelayTime10Ms=2\n");
    const char* replies[] = {"11 41 10 AE", "11 40 20 AE", "11 44 30 AE",
                             "11 42 40 AE", "11 45 02 AE", "11 43 50 AE"};
    for (const char* r : replies)
        io.queueReply(1, hex(r));
    EXPECT_TRUE(console->pageRead(0));
    EXPECT_EQ(
        console->commandList(),
        (QStringList{QStringLiteral("CmdVidoBrightness:16"), QStringLiteral("CmdVidoContrast:32"),
                     QStringLiteral("CmdVidoSharpness:48"), QStringLiteral("CmdVidoSaturation:64"),
                     QStringLiteral("CmdVido3DNR:2"), QStringLiteral("CmdVidoHue:80")}));

    // The stop button pressed during the second read ends the page after it.
    console->commandList().clear();
    io.queueReply(1, hex("11 41 10 AE"));
    int reads = 0;
    console->setReadListener([&](const ReadEvent&) {
        if (++reads == 2)
            console->requestStop();
    });
    EXPECT_FALSE(console->pageRead(0));
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(console->commandList(), QStringList{QStringLiteral("CmdVidoBrightness:16")});
}

TEST_F(SingleReadTest, ReadAllStoppedGivesNoResult) {
    load("[SETTING]\nCmdDelayTime10Ms=1\n");
    console->setReadListener([&](const ReadEvent&) { console->requestStop(); });
    EXPECT_EQ(console->readAll(), std::nullopt);
    EXPECT_EQ(io.lines().first(), QStringLiteral("write 1 FB B2 11 11 41 01 AE"))
        << "without an access level the adjustment page is read first";
}

TEST_F(SingleReadTest, AStopDuringTheSourceReadStillEndsWithTheOutcome) {
    load("[SETTING]\nCmdDelayTime10Ms=1\nbManYou=0\nRow=1\nCol=2\n");
    console->grid().setSelection({0, 0, 1, 0});
    // The adjustment page (7 reads) and the picture-in-picture page (4) get
    // no answer; the first screen's source answers, and the operator stops.
    for (int i = 0; i < 11; ++i)
        io.queueReply(1, hex("00"));
    io.queueReply(1, hex("11 30 0E AE"));
    console->setSourceListener([&](int) { console->requestStop(); });
    const std::optional<bool> result = console->readAll();
    ASSERT_TRUE(result.has_value()) << "the outcome is shown, with its message";
    EXPECT_FALSE(*result);
    EXPECT_TRUE(console->stopRequested());
    EXPECT_EQ(console->grid().source(0), 10) << "the answered screen is stored";
    EXPECT_EQ(io.lines().filter(QStringLiteral("30 01 AE")).size(), 1)
        << "the second screen is not read";
}

TEST_F(SingleReadTest, NothingReceivedBeforeTheReadFrameIsTakenForItsAnswer) {
    // A late answer to an earlier read, or the start of one, is on the link
    // when the frame goes out; the answer to this read comes after it.
    struct Case {
        const char* what;
        std::function<bool(Console&)> read;
        const char* stale;
        const char* answer; // nullptr: the wall stays silent
        // What the console keeps of the read: its value, the page's list, the cell's source.
        std::function<int(Console&)> kept;
        int expected;
    };
    const auto lastValue = [](Console& c) { return c.lastReadValue(); };
    const Case cases[] = {
        {"a single read", [](Console& c) { return c.readParameter(0x80, ReadKind::Slider).ok; },
         "11 80 64 AE", "11 80 1E AE", lastValue, 30},
        {"a single read with no answer fails",
         [](Console& c) { return c.readParameter(0x80, ReadKind::Slider).ok; }, "11 80 64 AE",
         nullptr, lastValue, -1},
        {"a page read", [](Console& c) { return c.pageRead(0); }, "11 41 64 AE", "11 41 1E AE",
         [](Console& c) {
             return c.commandList().value(0) == QStringLiteral("CmdVidoBrightness:30") ? 30 : -1;
         },
         30},
        {"a source read", [](Console& c) { return c.getMainSource(); }, "11 30 00 AE",
         "11 30 0A AE", [](Console& c) { return c.grid().source(0); },
         sourceFromWire(0x0A).value_or(-2)},
    };
    for (const Case& c : cases) {
        load("[SETTING]\nCmdDelayTime10Ms=3\n");
        io.receiveNow(1, hex(c.stale));
        if (c.answer)
            io.queueReply(1, hex(c.answer));
        c.read(*console);
        EXPECT_EQ(c.kept(*console), c.expected) << c.what;
    }
}

TEST_F(SingleReadTest, ThePipInterlockOfBoardTen) {
    load("[System]\nBoardSel=10\n[SETTING]\nCmdDelayTime10Ms=2\n");
    console->resetPipInterlock();
    for (int p = 0x65; p <= 0x68; ++p)
        EXPECT_FALSE(console->pipWriteEnabled(p)) << p;
    const char* geometry[] = {"E5 00 65 20 00 E0 E5 00 00 01 00 E0 E5 00 00 64 00 E0",
                              "E5 00 66 20 00 E0 E5 00 00 01 00 E0 E5 00 00 64 00 E0",
                              "E5 00 67 20 00 E0 E5 00 00 00 00 E0 E5 00 00 64 00 E0"};
    for (const char* g : geometry)
        io.queueReply(1, hex(g));
    EXPECT_FALSE(console->pageRead(2)) << "the vertical size does not answer";
    EXPECT_TRUE(console->pipWriteEnabled(0x67)) << "read back: its write is allowed";
    EXPECT_FALSE(console->pipWriteEnabled(0x68)) << "not read back";
    console->pipValueSent(0x65); // the horizontal position changed
    EXPECT_FALSE(console->pipWriteEnabled(0x67)) << "the size must be read again first";
    console->pipValueSent(0x68);
    EXPECT_FALSE(console->pipWriteEnabled(0x66));

    // Other boards have no interlock.
    load("[System]\nBoardSel=4\n");
    console->resetPipInterlock();
    console->pipValueSent(0x65);
    EXPECT_TRUE(console->pipWriteEnabled(0x67));
}

} // namespace

namespace {

TEST(SourceReadNotice, NamesTheSilentScreensAndSaysHowTheReadEnded) {
    using wall::notices::SourceRead;
    std::vector<Cell> fourteen;
    for (int i = 0; i < 14; ++i)
        fourteen.push_back({i / 5, i % 5});
    struct Case {
        SourceRead outcome;
        const char* chinese;
        const char* english;
    };
    const Case cases[] = {
        {{9, 9, {}, false, true},
         "读信号源: 9 个屏幕全部应答",
         "Read sources: all 9 screens answered"},
        {{9, 9, {{1, 2}, {2, 0}}, false, true},
         "读信号源: 2/9 个屏幕未应答: 2:3, 3:1",
         "Read sources: 2 of 9 screens did not answer: 2:3, 3:1"},
        {{20, 20, fourteen, false, true},
         "读信号源: 14/20 个屏幕未应答: 1:1, 1:2, 1:3, 1:4, 1:5, 2:1, 2:2, 2:3, 2:4, 2:5, 3:1, "
         "3:2 等另 2 个",
         "Read sources: 14 of 20 screens did not answer: 1:1, 1:2, 1:3, 1:4, 1:5, 2:1, 2:2, 2:3, "
         "2:4, 2:5, 3:1, 3:2 and 2 more"},
        {{9, 3, {}, true, true},
         "读信号源: 3 个屏幕全部应答（在 3/9 处停止）",
         "Read sources: all 3 screens answered (stopped after 3 of 9)"},
        {{4, 4, {}, false, false},
         "读信号源: 已向 4 个屏幕发送读取，未等待应答（回读等待为 0）",
         "Read sources: 4 reads sent, no answer awaited (read-back wait is 0)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wall::notices::sourcesRead(0, c.outcome), QString::fromUtf8(c.chinese));
        EXPECT_EQ(wall::notices::sourcesRead(1, c.outcome), QString::fromUtf8(c.english));
    }
}

} // namespace
