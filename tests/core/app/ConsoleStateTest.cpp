#include "app/ConsoleState.h"
#include "app/SettingsStore.h"
#include "support/IniFixture.h"
#include "wall/BoardSources.h"

#include <QDir>

#include <gmock/gmock.h>

using namespace wall;
using wall::test::IniFixture;

namespace {

class StartupLoadTest : public IniFixture {
protected:
    StartupReport load() {
        SettingsStore store(path());
        state = std::make_unique<ConsoleState>();
        return loadConsoleState(store, *state, QStringLiteral("/opt/wall"));
    }
    std::unique_ptr<ConsoleState> state;
};

TEST_F(StartupLoadTest, NoSettingsFileGivesTheFactoryConsole) {
    const StartupReport report = load();
    EXPECT_TRUE(report.warnings.isEmpty());
    EXPECT_TRUE(fileExists());
    EXPECT_TRUE(readFile().isEmpty());

    const GlobalSettings& g = state->settings;
    EXPECT_EQ(state->grid.rows(), 3);
    EXPECT_EQ(state->grid.cols(), 3);
    EXPECT_EQ(g.BoardSel, 4);
    EXPECT_EQ(g.CmdForm, 0);
    EXPECT_EQ(g.bReadEn, 0);
    EXPECT_EQ(g.bManYou, 1);
    EXPECT_EQ(g.MatrixToScreenTime, 200);
    EXPECT_EQ(g.AutoPowerOn, 1);
    EXPECT_EQ(g.matrixSwitchType, 1);
    EXPECT_EQ(g.ImageFile, QDir::toNativeSeparators(QStringLiteral("/opt/wall/bmp/default.bmp")));

    EXPECT_EQ(state->serialDevice(1).portNo, 1);
    EXPECT_EQ(state->serialDevice(1).baudRate(), 9600);
    for (int d = 2; d <= kDeviceCount; ++d)
        EXPECT_EQ(state->serialDevice(d).portNo, 0) << "device " << d << " stays closed";
    EXPECT_EQ(state->serialDevice(3).inBufSize, 8192);

    for (int k = 0; k < kMatrixKindCount; ++k) {
        const MatrixSettings& m = state->matrix.kinds[size_t(k)];
        EXPECT_EQ(m.company, 0);
        EXPECT_EQ(m.id, 1);
        EXPECT_EQ(m.inputMax, 4);
        EXPECT_EQ(m.delayTime, 100);
        EXPECT_EQ(state->matrix.outputMap[size_t(k)][8], 9) << "one-to-one wiring";
        EXPECT_EQ(state->matrix.routedInput[size_t(k)][999], 1);
    }
    EXPECT_EQ(state->matrix.matrixUse, 1);
    EXPECT_EQ(state->grid.source(0), 12);
    EXPECT_EQ(state->grid.colour(2, 2), kWhite);
    EXPECT_EQ(state->pops.listLeng, 0);
    EXPECT_TRUE(state->roaming.useRoaming);
    EXPECT_EQ(state->timers[7], TimerSystem{});
}

TEST_F(StartupLoadTest, EveryBoardHasItsReadBackAndFrameFormatDefaults) {
    //                          board: 0  1  2  3  4  5  6  7  8  9 10 11
    const int readEnable[kBoardCount] = {0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 1, 1};
    const int cmdForm[kBoardCount] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    for (int board = 0; board < kBoardCount; ++board) {
        writeFile("[System]\nBoardSel=" + QByteArray::number(board) + "\n");
        load();
        EXPECT_EQ(state->settings.bReadEn, readEnable[board]) << "board " << board;
        EXPECT_EQ(state->settings.CmdForm, cmdForm[board]) << "board " << board;
    }
}

TEST_F(StartupLoadTest, BoardDefaultsApplyOnlyWhenTheKeyIsMissing) {
    struct Case {
        QByteArray file;
        int cmdForm;
        int readEnable;
    };
    const Case cases[] = {
        {"[System]\nBoardSel=10\n", 1, 1},
        {"[System]\nBoardSel=10\n[SETTING]\nCmdForm=0\nbReadEn=0\n", 0, 0},
        {"[System]\nBoardSel=11\n", 1, 1},
        {"[System]\nBoardSel=8\n", 0, 1},
        {"[System]\nBoardSel=4\n[SETTING]\nCmdForm=2\n", 2, 0},
    };
    for (const Case& c : cases) {
        writeFile(c.file);
        load();
        EXPECT_EQ(state->settings.CmdForm, c.cmdForm) << c.file.constData();
        EXPECT_EQ(state->settings.bReadEn, c.readEnable) << c.file.constData();
    }
}

TEST_F(StartupLoadTest, OnlyTimerRecordsFlaggedOneAreLoaded) {
    writeFile("[NO.0]\nTimerSystem.bEnable=1\nTimerSystem.wHour=7\nTimerSystem.ucCommand=202\n"
              "TimerSystem.RepeatTimeSel=300\n"
              "[NO.1]\nTimerSystem.bEnable=2\nTimerSystem.wHour=9\n"
              "[NO.2]\nTimerSystem.bEnable=0\nTimerSystem.wHour=9\n");
    load();
    const TimerSystem& live = state->timers[0];
    EXPECT_EQ(live.bEnable, 1);
    EXPECT_EQ(live.wIndex, 0);
    EXPECT_EQ(live.wYear, 2010);
    EXPECT_EQ(live.wMonth, 1);
    EXPECT_EQ(live.wDay, 1);
    EXPECT_EQ(live.wHour, 7);
    EXPECT_EQ(live.RepeatTimeSel, static_cast<std::int8_t>(300)) << "truncated to its width";
    EXPECT_EQ(live.ucWallEndL, 1);
    EXPECT_EQ(live.ucCommand, 202);
    EXPECT_EQ(live.ucCommandParameter, 1);

    TimerSystem occupied;
    occupied.bEnable = 2; // keeps the slot taken for adding, but loads nothing else
    EXPECT_EQ(state->timers[1], occupied);
    EXPECT_EQ(state->timers[2], TimerSystem{});
}

TEST_F(StartupLoadTest, WallSizeOutsideTheDialogRangeIsClampedAndReported) {
    struct Case {
        QByteArray file;
        int rows, cols;
        bool warns;
    };
    const Case cases[] = {
        {"[SETTING]\nRow=0\nCol=2\n", 1, 2, true},
        {"[SETTING]\nRow=4\nCol=99\n", 4, 30, true},
        {"[SETTING]\nRow=-5\nCol=abc\n", 1, 3, true},
        {"[SETTING]\nRow=30\nCol=30\n", 30, 30, false},
    };
    for (const Case& c : cases) {
        writeFile(c.file);
        const StartupReport report = load();
        EXPECT_EQ(state->grid.rows(), c.rows) << c.file.constData();
        EXPECT_EQ(state->grid.cols(), c.cols) << c.file.constData();
        EXPECT_EQ(!report.warnings.isEmpty(), c.warns) << c.file.constData();
    }
}

TEST_F(StartupLoadTest, GarbageAndHugeValuesLoadWithoutHarm) {
    writeFile("\x01\x02 garbage\n[[[\n]]]\n[SETTING\nRow=2\n[SETTING]\nCol=2\nRow=2\n"
              "[WallPopList]\nListLeng=2147483647\n"
              "[WallPop]\n0Enable=5\n0PopStart=290\n0IntPIPHPos=-40\n"
              "[System]\nBoardSel=-3\n"
              "[Unit1]\nSource0=777\n");
    const StartupReport report = load();
    EXPECT_EQ(state->grid.rows(), 2);
    EXPECT_EQ(state->grid.cols(), 2);
    EXPECT_EQ(state->pops.listLeng, kPopTableSize);
    EXPECT_THAT(report.warnings.join(u'\n').toStdString(), testing::HasSubstr("ListLeng"));
    EXPECT_TRUE(state->pops.records[0].Enable);
    EXPECT_EQ(state->pops.records[0].PopStart, 290 & 0xFF);
    EXPECT_EQ(state->pops.records[0].IntPIPHPos, -40);
    EXPECT_EQ(state->settings.BoardSel, -3);
    EXPECT_EQ(state->grid.cellText(0, 0, state->settings.BoardSel), QStringLiteral("1:1  "))
        << "an unknown board or source has no name";
}

TEST_F(StartupLoadTest, OutputMapsAndColoursAreReadForTheWallSize) {
    writeFile("[SETTING]\nRow=2\nCol=2\n"
              "[System]\nBoardSel=8\n"
              "[Matrix]\nAV_Company=5\nMatrix_AV_OutputStr5=42\nMatrix_VGA_OutputStr3=0\n"
              "Matrix_VGA_OutputStr4=77\n"
              "[Wall]\nWallCustomColors=1\n"
              "[WallColor]\nH1V0=255\nH2V0=65280\n");
    load();
    const MatrixTable& av = state->matrix.outputMap[size_t(MatrixKind::AV)];
    // Board 8: four AV entries per screen, each defaulting to the screen + 1.
    EXPECT_THAT(std::vector<int>(av.begin(), av.begin() + 8),
                testing::ElementsAre(1, 1, 1, 1, 2, 42, 2, 2));
    const MatrixTable& vga = state->matrix.outputMap[size_t(MatrixKind::VGA)];
    EXPECT_EQ(vga[3], 0);
    EXPECT_EQ(vga[4], 5) << "entries past Row x Col are not read";
    EXPECT_TRUE(state->matrix.cameraMenusVisible());
    EXPECT_FALSE(state->matrix.panasonicItemsVisible());
    EXPECT_TRUE(state->grid.customColours());
    EXPECT_EQ(state->grid.colour(1, 0), 255);
    EXPECT_EQ(state->grid.colour(2, 0), kWhite) << "column 2 is outside a 2-column wall";
}

TEST_F(StartupLoadTest, PlansAndPopRecordsAreRestored) {
    writeFile("[Wall]\nWall_Mode=5\nWall_Mode5_En=1\nWall_Mode47_En=1\n"
              "[WallPopList]\nListLeng=2\n"
              "[WallPop]\n1Enable=1\n1PopStart=17\n1PopEnd=34\n1IntPIPHSize=120\n"
              "1PopCoorS=17\n1PopCoorE=34\n2Enable=1\n"
              "[Unit1]\nSource4=10\nsuiComboBox2=3\nsuiCheckBox1=1\n"
              "[SETTING]\nLanguage=1\n");
    load();
    EXPECT_EQ(state->settings.wallMode, 5);
    EXPECT_EQ(state->settings.wallModeEnabled[5], 1);
    EXPECT_EQ(state->settings.wallModeEnabled[47], 1);
    EXPECT_EQ(state->settings.wallModeEnabled[6], 0);
    EXPECT_EQ(state->pops.listLeng, 2);
    const WallPop& pop = state->pops.records[1];
    EXPECT_TRUE(pop.Enable);
    EXPECT_EQ(pop.PopStart, 0x11);
    EXPECT_EQ(pop.PopEnd, 0x22);
    EXPECT_EQ(pop.IntPIPHSize, 120);
    EXPECT_EQ(pop.PopCoorE, 0x22);
    EXPECT_FALSE(state->pops.records[2].Enable) << "only ListLeng records are read";
    EXPECT_EQ(state->grid.source(4), 10);
    EXPECT_EQ(state->roaming.positionMode, 3);
    EXPECT_TRUE(state->roaming.useMatrix);
    EXPECT_EQ(state->settings.Language, 1);
}

TEST_F(StartupLoadTest, TheMainWindowPlaceNeedsAllFourKeys) {
    struct Case {
        const char* file;
        std::optional<WindowPlace> place;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"[Unit1]\nFormLeft=-8\nFormTop=20\nFormWidth=1100\nFormHeight=760\n",
         WindowPlace{-8, 20, 1100, 760}},
        {"[unit1]\nformleft=5\nformtop=6\nformwidth=1024\nformheight=700\n",
         WindowPlace{5, 6, 1024, 700}},
        {"[Unit1]\nFormLeft=10\nFormWidth=1100\nFormHeight=760\n", std::nullopt},
        {"[Unit1]\nFormLeft=10\nFormTop=20\nFormWidth=0\nFormHeight=760\n", std::nullopt},
        {"[Unit1]\nFormLeft=10\nFormTop=x\nFormWidth=1100\nFormHeight=760\n", std::nullopt},
    };
    for (const Case& c : cases) {
        writeFile(c.file);
        load();
        EXPECT_EQ(state->mainWindowPlace, c.place) << c.file;
    }
}

TEST(WindowPlace, UsableOnlyAtTheMinimumAndWithItsTopEdgeOnAScreen) {
    const QSize minimum(1024, 700);
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        WindowPlace place;
        bool usable;
    };
    const Case cases[] = {
        {{100, 50, 1100, 760}, true},     {{0, 0, 1024, 700}, true},
        {{100, 50, 1023, 760}, false},    // narrower than the minimum
        {{100, 50, 1100, 699}, false},    // lower than the minimum
        {{2500, 100, 1100, 760}, true},   // on the second screen
        {{3150, 100, 1100, 760}, false},  // only 50 pixels left on the second screen
        {{-1000, 100, 1100, 760}, false}, // off the left edge but for 100 pixels
        {{-900, 100, 1100, 760}, true},   // 200 pixels of its top edge shown
        {{100, -500, 1100, 760}, false},  // its caption above every screen
        {{100, 1075, 1100, 760}, false},  // below the first screen's bottom
        {{1900, 1030, 1100, 760}, false}, // in the gap below the second screen
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowPlaceUsable(c.place, minimum, screens), c.usable)
            << c.place.left << "," << c.place.top << " " << c.place.width << "x" << c.place.height;
    EXPECT_FALSE(windowPlaceUsable({100, 50, 1100, 760}, minimum, {})) << "no screen at all";
}

} // namespace
