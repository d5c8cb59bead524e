#include "matrix/InputRouting.h"
#include "support/TraceConsoleFixture.h"
#include "wall/BoardSources.h"

#include <gmock/gmock.h>

using namespace wall;

namespace {

class InputRoutingTest : public wall::test::TraceConsoleFixture {
protected:
    // The first two screens of the top row, routed to matrix input `input`.
    CommandResult routeTopPair(int source, int input, bool single = false) {
        console->grid().setSelection({0, 0, 1, 0});
        RoutingChoice c;
        c.sourceCode = source;
        c.inputItems.fill(input - 1);
        c.singleScreen = single;
        return console->inputRouting().route(c);
    }
    // The screen frame that switches the top pair to a source.
    static QString switchFrame(int source, int command = 0x30) {
        const auto hex = [](int b) {
            return QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        };
        return QStringLiteral("write 1 FB B0 11 12 %1 %2 AE")
            .arg(hex(command), hex(*sourceToWire(source)));
    }
};

// "FF <ID> type <I> <O> AA", type 05 for video, one frame per output and the
// kind's delay after each; outputs 1 and 2 feed the top pair.
const char* const kAvInput3 = "write 1 FF 01 05 03 01 AA\npause 100\n"
                              "write 1 FF 01 05 03 02 AA\npause 100\n";
const char* const kSisoPreamble = "F2 00 00 22 00 01 00 23";

TEST_F(InputRoutingTest, TheOkSendsInTheOrderOfTheSwitchOrder) {
    struct Case {
        const char* what;
        QByteArray settings;
        int source;
        QString expected;
    };
    const QByteArray av = "[Matrix]\nAV_Company=4\nAV_ID=1\n";
    const Case cases[] = {
        {"matrix first, then 200 ms, then the wall",
         "[SETTING]\nSwitchOrder=0\nMatrixToScreenTime=200\n" + av, 2,
         QLatin1String(kAvInput3) + QStringLiteral("pause 200\n") + switchFrame(2) + u'\n'},
        {"the wall first, then 200 ms, then the matrix",
         "[SETTING]\nSwitchOrder=1\nMatrixToScreenTime=200\n" + av, 2,
         switchFrame(2) + QStringLiteral("\npause 200\n") + QLatin1String(kAvInput3)},
        {"Matrix_Use 0: the wall alone, after the pause",
         "[SETTING]\nMatrixToScreenTime=200\n" + av + "Matrix_Use=0\n", 2,
         QStringLiteral("pause 200\n") + switchFrame(2) + u'\n'},
        {"a DVI source while DVI is NotUsed: no matrix command",
         "[SETTING]\nMatrixToScreenTime=200\n" + av + "DVI_Company=0\n", 10,
         QStringLiteral("pause 200\n") + switchFrame(10) + u'\n'},
        {"SISO on the AV link: its preamble first, on the wall link",
         "[SETTING]\nMatrixToScreenTime=0\n[Matrix]\nAV_Company=22\nMatrix_AV_DelayTime=0\n", 2,
         QStringLiteral("write 1 %1\n").arg(QLatin1String(kSisoPreamble))},
        {"SISO with one port for all matrices: the preamble on device 2",
         "[YbCommDevice]\nMatrixUseComOnly=1\n[Matrix]\nAV_Company=22\nMatrix_AV_DelayTime=0\n"
         "[SETTING]\nMatrixToScreenTime=0\n",
         2, QStringLiteral("write 2 %1\n").arg(QLatin1String(kSisoPreamble))},
    };
    for (const Case& c : cases) {
        load(c.settings);
        io.clear();
        ASSERT_TRUE(routeTopPair(c.source, 3).ok) << c.what;
        if (QByteArray(c.settings).contains("=22"))
            EXPECT_TRUE(io.text().startsWith(c.expected)) << c.what << "\n"
                                                          << io.text().toStdString();
        else
            EXPECT_EQ(io.text(), c.expected) << c.what;
        // Both screens record the source, in memory and in the file.
        EXPECT_EQ(console->grid().source(0), c.source) << c.what;
        EXPECT_EQ(console->grid().source(1), c.source) << c.what;
        EXPECT_THAT(readFile().toStdString(),
                    testing::HasSubstr(
                        QStringLiteral("Source0=%1\nSource1=%1\n").arg(c.source).toStdString()))
            << c.what;
    }
}

TEST_F(InputRoutingTest, EachKindTakesTheInputOfItsOwnChooser) {
    // The choosers stand VGA, AV, DVI, YPbPr; each holds another item.
    struct Case {
        const char* what;
        QByteArray settings;
        int source;
        const char* frames;
    };
    const Case cases[] = {
        {"VGA: the first chooser, item 1 = input 2", "[Matrix]\nVGA_Company=3\nVGA_ID=1\n", 0,
         "write 1 FF 01 05 02 01 AA\nwrite 1 FF 01 05 02 02 AA\n"},
        {"AV: the second chooser, item 2 = input 3", "[Matrix]\nAV_Company=4\nAV_ID=1\n", 2,
         "write 1 FF 01 05 03 01 AA\nwrite 1 FF 01 05 03 02 AA\n"},
        {"SISO on an AV port of its own: no preamble",
         "[YbCommDevice]\nAVMatrixUseComOnly=1\n[Matrix]\nAV_Company=22\n", 2, nullptr},
    };
    for (const Case& c : cases) {
        load("[SETTING]\nMatrixToScreenTime=0\n" + c.settings +
             "Matrix_AV_DelayTime=0\nMatrix_VGA_DelayTime=0\n");
        io.clear();
        console->grid().setSelection({0, 0, 1, 0});
        RoutingChoice choice;
        choice.sourceCode = c.source;
        choice.inputItems = {1, 2, 3, 0};
        ASSERT_TRUE(console->inputRouting().route(choice).ok) << c.what;
        const QString writes = io.lines().filter(QStringLiteral("write")).join(u'\n') + u'\n';
        if (c.frames)
            EXPECT_TRUE(writes.startsWith(QLatin1String(c.frames)))
                << c.what << writes.toStdString();
        else
            EXPECT_FALSE(writes.contains(QStringLiteral("F2 00 00 22 00 01 00 23"))) << c.what;
    }
}

TEST_F(InputRoutingTest, ASwitchTheFrameCannotCarryRefusesTheWholeOk) {
    // Row 16 has no address in the seven-byte frame.
    load("[SETTING]\nRow=16\nCol=1\n[Matrix]\nAV_Company=4\n");
    console->grid().setSelection({0, 15, 0, 15});
    RoutingChoice choice;
    choice.sourceCode = 2;
    const CommandResult r = console->inputRouting().route(choice);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_TRUE(io.lines().isEmpty()) << "no matrix frame either";
    EXPECT_THAT(readFile().toStdString(), testing::Not(testing::HasSubstr("Source15")));
}

TEST_F(InputRoutingTest, SingleScreenModeSwitchesWithItsOwnCommand) {
    load("[SETTING]\nMatrixToScreenTime=0\n[Matrix]\nMatrix_Use=0\n");
    ASSERT_TRUE(routeTopPair(10, 1, true).ok);
    EXPECT_EQ(io.text(), switchFrame(10, 0x31) + u'\n');
}

TEST_F(InputRoutingTest, AnInputTheSwitcherDoesNotHaveIsRefusedWithNothingSentOrStored) {
    load("[Matrix]\nAV_Company=4\nMatrix_AV_InputMax=16\n");
    const CommandResult r = routeTopPair(2, 17);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("矩阵输入 17 超出 1-16"));
    EXPECT_TRUE(io.lines().isEmpty());
    EXPECT_THAT(readFile().toStdString(), testing::Not(testing::HasSubstr("Source0")));
    // The same input with the matrix off: only the wall is switched.
    load("[Matrix]\nAV_Company=4\nMatrix_AV_InputMax=16\nMatrix_Use=0\n");
    EXPECT_TRUE(routeTopPair(2, 17).ok);
}

TEST_F(InputRoutingTest, StoredChooserPositionsPastTheInputCountFallBackToTheFirst) {
    load("[Unit14]\nComboBox1=7\nComboBox2=20\nComboBox3=3\n[Matrix]\nMatrix_AV_InputMax=4\n"
         "Matrix_VGA_InputMax=8\n[Unit1]\nsuiComboBox5=9\n");
    const InputRouting::Stored s = console->inputRouting().stored();
    EXPECT_EQ(s.inputItems[size_t(ChooserKind::VGA)], 7);
    EXPECT_EQ(s.inputItems[size_t(ChooserKind::AV)], 0) << "20 is past the 4 AV inputs";
    EXPECT_EQ(s.inputItems[size_t(ChooserKind::DVI)], 3);
    EXPECT_EQ(console->inputRouting().storedPopInputItems()[size_t(ChooserKind::AV)], 0);
}

TEST_F(InputRoutingTest, ChooserItemsAreTheInputNamesOrNumberedDefaults) {
    load("[Matrix]\nMatrix_DVI_InputMax=3\nDVI_InputName1=Camera hall\n");
    EXPECT_EQ(console->inputRouting().inputItems(MatrixKind::DVI),
              (QStringList{QStringLiteral("矩阵输入1"), QStringLiteral("Camera hall"),
                           QStringLiteral("矩阵输入3")}));
    console->state().settings.Language = 1;
    EXPECT_EQ(console->inputRouting().inputItems(MatrixKind::DVI).first(),
              QStringLiteral("MatrixInput1"));
}

TEST_F(InputRoutingTest, APopWindowRoutesTheRoamingPagesInputAndLeavesTheSwitchTypeAtVideo) {
    load("[Matrix]\nAV_Company=4\nAV_ID=1\n[Unit1]\nsuiCheckBox1=1\nsuiComboBox5=2\n"
         "[Unit14]\nsuiRadioGroup1=0\n");
    console->grid().setSelection({0, 0, 1, 0});
    EXPECT_EQ(console->state().settings.matrixSwitchType, 0);
    console->inputRouting().routePopWindow(2);
    EXPECT_EQ(io.text(), QLatin1String(kAvInput3)) << "input 3, video (05)";
    EXPECT_EQ(console->state().settings.matrixSwitchType, 1) << "video for later routings";
    io.clear();
    routeTopPair(2, 3);
    EXPECT_THAT(io.text().toStdString(), testing::HasSubstr("FF 01 05 03 01 AA"));

    // Without "使用矩阵" nothing is routed.
    load("[Matrix]\nAV_Company=4\n[Unit1]\nsuiCheckBox1=0\n");
    io.clear();
    console->inputRouting().routePopWindow(2);
    EXPECT_TRUE(io.lines().isEmpty());
}

} // namespace
