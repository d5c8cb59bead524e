#include "Wallctl.h"
#include "serial/TraceIo.h"
#include "support/FileFaults.h"
#include "support/IniFixture.h"

#include <QFile>
#include <QTextStream>

#include <vector>

#include <gmock/gmock.h>

using namespace wall;

namespace {

class WallctlTest : public wall::test::IniFixture {
protected:
    struct Run {
        int code;
        QString out;
        QString err;
    };

    // Devices that record what a command sent for real.
    struct RecordingDevices final : CommandDevices {
        explicit RecordingDevices(TraceIo& t) : trace(t) {}
        DeviceLink& link(int device) override { return trace.link(device); }
        Pacer& pacer() override { return trace.pacer(); }
        QStringList finish() override { return {}; }
        TraceIo& trace;
    };

    Run run(QStringList args, TraceIo* sent = nullptr) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        WallctlEnvironment env;
        env.defaultSettingsPath = path();
        env.executableDir = dirPath();
        if (sent)
            env.openDevices = [sent](ConsoleState&, QString&) {
                return std::make_unique<RecordingDevices>(*sent);
            };
        args.prepend(QStringLiteral("wallctl"));
        const int code = runWallctl(args, outStream, errStream, env);
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }

    // One traced command and what it must print on stdout, with its exit code.
    struct TraceCase {
        const char* what;
        QByteArray settings;
        std::vector<const char*> args;
        const char* out;
        int code = 0;
    };
    // Runs each case; a command that succeeds also says nothing on stderr.
    void expectTraces(std::initializer_list<TraceCase> cases) {
        for (const TraceCase& c : cases) {
            const Run r = trace(c.settings, c.args);
            EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err.toStdString();
            EXPECT_EQ(r.out, QLatin1String(c.out)) << c.what;
            if (c.code == 0) {
                EXPECT_TRUE(r.err.isEmpty()) << c.what << ": " << r.err.toStdString();
            }
        }
    }

    Run trace(const QByteArray& settings, const std::vector<const char*>& args) {
        writeFile(settings);
        QStringList list{QStringLiteral("--trace")};
        for (const char* a : args)
            list << QString::fromUtf8(a);
        return run(list);
    }
};

TEST_F(WallctlTest, TracesTheExactFramesOfEachFormat) {
    expectTraces({
        {"brightness 50 in format 0",
         "[SETTING]\nCmdForm=0\n",
         {"--select", "1:2-2:3", "write", "0x41", "50"},
         "write 1 FB B1 12 23 41 32 AE\n"},
        {"format 1 from the board-10 default",
         "[System]\nBoardSel=10\n",
         {"--select", "1:1", "write", "65", "300"},
         "write 1 FB B1 11 11 41 2C 01 AE\n"},
        {"CmdForm in the file wins over the board default",
         "[System]\nBoardSel=10\n[SETTING]\nCmdForm=0\n",
         {"--select", "1:1", "write", "65", "50"},
         "write 1 FB B1 11 11 41 32 AE\n"},
        {"format 2 rows 3-4, columns 1-5",
         "[SETTING]\nCmdForm=2\nRow=4\nCol=5\n",
         {"--select", "3:1-4:5", "write", "0x41", "0x32"},
         "write 1 FB B1 03 01 04 05 41 32 AE\n"},
        {"step in format 1 has a zero high byte",
         "[SETTING]\nCmdForm=1\n",
         {"--select", "2:2", "step", "0x41", "1"},
         "write 1 FB B0 22 22 41 01 00 AE\n"},
        {"the whole wall by default",
         "[SETTING]\nRow=2\nCol=3\n",
         {"step", "0x10", "1"},
         "write 1 FB B0 11 23 10 01 AE\n"},
        {"corners given in any order",
         "[SETTING]\nCmdForm=2\n",
         {"--select", "3:3-2:1", "step", "0x41", "0"},
         "write 1 FB B0 02 01 03 03 41 00 AE\n"},
        {"a 16-row wall in format 2",
         "[SETTING]\nCmdForm=2\nRow=16\nCol=16\n",
         {"step", "16", "0"},
         "write 1 FB B0 01 01 10 10 10 00 AE\n"},
    });
}

TEST_F(WallctlTest, PowerSequences) {
    expectTraces({
        {"power on as one frame", "", {"power", "on"}, "write 1 FB B0 11 33 10 01 AE\n"},
        {"power off as one frame",
         "[SETTING]\nPowerDelayTime10Ms=50\n",
         {"power", "off"},
         "write 1 FB B0 11 33 10 00 AE\n"},
        {"staggered power-on, row by row",
         "[SETTING]\nPowerDelayTime10Ms=50\n",
         {"--select", "1:1-2:2", "power", "on"},
         "write 1 FB B0 11 11 10 01 AE\npause 500\nwrite 1 FB B0 12 12 10 01 AE\npause 500\n"
         "write 1 FB B0 21 21 10 01 AE\npause 500\nwrite 1 FB B0 22 22 10 01 AE\npause 500\n"},
        {"staggered in format 1",
         "[SETTING]\nPowerDelayTime10Ms=2\nCmdForm=1\n",
         {"--select", "2:3", "power", "on"},
         "write 1 FB B0 23 23 10 01 00 AE\npause 20\n"},
        {"staggered in format 2",
         "[SETTING]\nPowerDelayTime10Ms=1\nCmdForm=2\n",
         {"--select", "3:1-3:2", "power", "on"},
         "write 1 FB B0 03 01 03 01 10 01 AE\npause 10\nwrite 1 FB B0 03 02 03 02 10 01 AE\npause "
         "10\n"},
    });
    const Run bad = trace("", {"power", "maybe"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.out.isEmpty());
}

TEST_F(WallctlTest, ReadsTraceTheirPollsAndPrintTheValue) {
    expectTraces({
        {"format 0 brightness after one stray package",
         "[SETTING]\nCmdDelayTime10Ms=3\n",
         {"--select", "1:1", "--reply", "0102", "--reply", "11 41 32 AE", "read", "0x41"},
         "write 1 FB B2 11 11 41 01 AE\npause 10\npause 3\nvalue 50\n",
         0},
        {"format 1 position: two records",
         "[SETTING]\nCmdDelayTime10Ms=2\nCmdForm=1\n",
         {"--select", "2:2", "--reply", "E50000900 1E0E50080 2A00E0", "read", "0x80"},
         "write 1 FB B2 22 22 80 01 00 AE\npause 2\nvalue 42\n",
         0},
        {"format 2 list read: no closing wait",
         "[SETTING]\nCmdDelayTime10Ms=2\nCmdForm=2\n",
         {"--select", "1:2", "--reply", "0102B401AE", "read", "0xB4"},
         "write 1 FB B2 01 02 01 02 B4 01 AE\nvalue 1\n",
         0},
        {"no answer: every poll waits, then the closing wait",
         "[SETTING]\nCmdDelayTime10Ms=2\n",
         {"--select", "1:1", "read", "65"},
         "write 1 FB B2 11 11 41 01 AE\npause 10\npause 10\npause 2\n",
         1},
    });
    EXPECT_EQ(trace("", {"--reply", "zz", "read", "65"}).code, 2) << "a reply that is not hex";
}

TEST_F(WallctlTest, SourcesAndCommandFiles) {
    QFile cfg(dirPath() + QStringLiteral("/two.cfg"));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("CmdVidoBrightness:50\r\nCmdBackLight:200\r\n");
    cfg.close();
    const QByteArray cfgPath = cfg.fileName().toUtf8();
    expectTraces({
        {"a 2 x 2 selection to HDMI",
         "",
         {"--select", "1:1-2:2", "source", "11"},
         "write 1 FB B0 11 22 30 0F AE\n"},
        {"by name, single-screen mode",
         "",
         {"--select", "1:1", "--single", "source", "dvi"},
         "write 1 FB B0 11 11 31 0E AE\n"},
        {"a name of board 5",
         "[System]\nBoardSel=5\n",
         {"--select", "1:1", "source", "VGA2"},
         "write 1 FB B0 11 11 30 0D AE\n"},
        {"the source of row 1 column 2 read back",
         "[SETTING]\nCmdDelayTime10Ms=3\n",
         {"--select", "1:2", "--reply", "12300EAE", "read-sources"},
         "write 1 FB B2 12 12 30 01 AE\npause 3\nsource 1:2  DVI\n"},
        {"a command file applied to row 1 column 1",
         "",
         {"--select", "1:1", "apply", cfgPath.constData()},
         "write 1 FB B1 11 11 41 32 AE\npause 10\nwrite 1 FB B1 11 11 B3 C8 AE\npause 10\n"},
    });
    EXPECT_EQ(trace("", {"source", "XYZ"}).code, 2);
    EXPECT_EQ(trace("", {"source", "12"}).code, 2) << "12 is no source to switch to";
    const Run silent =
        trace("[SETTING]\nCmdDelayTime10Ms=1\n", {"--select", "1:1", "read-sources"});
    EXPECT_EQ(silent.code, 1) << "no screen answered";
    EXPECT_TRUE(readFile().count("Source") == 0) << "a trace leaves the settings file as it was";
}

TEST_F(WallctlTest, MatrixRoutingsTraceTheProtocolFrames) {
    expectTraces({
        {"DVI ODIN, address 1 from the settings, input 2 to output 3",
         "[Matrix]\nDVI_Company=10\nDVI_ID=1\nMatrix_DVI_DelayTime=0\n",
         {"--select", "1:3", "matrix", "10", "2"},
         "write 1 FF 07 01 02 01 02 F4\n"},
        {"AV EXTRON with the stored switch type (video) and the command delay",
         "[Matrix]\nAV_Company=28\nMatrix_AV_InputMax=16\n[Unit14]\nsuiRadioGroup1=1\n",
         {"--select", "1:3", "matrix", "2", "12"},
         "write 1 31 32 2A 33 25\npause 100\n"},
        {"--type 2 (audio) over the stored type",
         "[Matrix]\nAV_Company=28\nMatrix_AV_InputMax=16\n[Unit14]\nsuiRadioGroup1=1\n",
         {"--select", "1:3", "--type", "2", "matrix", "2", "12"},
         "write 1 31 32 2A 33 24\npause 100\n"},
        {"VGA EXTA on its own port when the matrices share one",
         "[Matrix]\nVGA_Company=43\nVGA_ID=5\nMatrix_VGA_DelayTime=0\n"
         "[YbCommDevice]\nMatrixUseComOnly=1\n",
         {"--select", "1:1", "matrix", "0", "2"},
         "write 3 21 35 3A 4D 32 2A 31 0D\n"},
        {"board 8, picture AV2 of screen 1:1",
         "[System]\nBoardSel=8\n[Matrix]\nAV_Company=77\nAV_ID=3\nMatrix_AV_DelayTime=0\nMatrix_AV_"
         "InputMax=16\n"
         "Matrix_AV_OutputStr1=7\n",
         {"--select", "1:1", "--picture", "2", "matrix", "2", "9"},
         "write 1 F4 09 21 07 00 0F 03 43\n"},
        {"board 8, picture AV4 from the input-routing window's stored choice",
         "[System]\nBoardSel=8\n[Matrix]\nAV_Company=77\nAV_ID=3\nMatrix_AV_DelayTime=0\nMatrix_AV_"
         "InputMax=16\n"
         "Matrix_AV_OutputStr3=7\n[Unit14]\nComboBox18=4\n",
         {"--select", "1:1", "matrix", "2", "9"},
         "write 1 F4 09 21 07 00 0F 03 43\n"},
    });
}

TEST_F(WallctlTest, RoutesTraceTheInputRoutingWindowsOrder) {
    // SISO on the AV link: its preamble, then two frames 30 ms apart per
    // output with the kind's delay; MatrixToScreenTime between the matrix and
    // the wall, in the order SwitchOrder gives.
    const char* siso = "write 1 F2 00 00 22 00 01 00 23\n"
                       "write 1 F2 00 03 22 01 01 00 21\npause 30\n"
                       "write 1 F2 00 03 22 01 01 00 21\npause 100\n"
                       "write 1 F2 00 03 22 02 01 00 22\npause 30\n"
                       "write 1 F2 00 03 22 02 01 00 22\npause 100\n";
    const std::string matrixFirst = siso + std::string("pause 200\nwrite 1 FB B0 11 12 30 00 AE\n");
    const std::string wallFirst = "write 1 FB B0 11 12 30 00 AE\npause 200\n" + std::string(siso);
    expectTraces({
        {"SwitchOrder 0: the matrix, 200 ms, the wall",
         "[SETTING]\nSwitchOrder=0\nMatrixToScreenTime=200\n[Matrix]\nAV_Company=22\n",
         {"--select", "1:1-1:2", "route", "2", "3"},
         matrixFirst.c_str()},
        {"SwitchOrder 1: the wall, 200 ms, the matrix",
         "[SETTING]\nSwitchOrder=1\nMatrixToScreenTime=200\n[Matrix]\nAV_Company=22\n",
         {"--select", "1:1-1:2", "route", "AV", "3"},
         wallFirst.c_str()},
        {"--single switches with 0x31; Matrix_Use 0 routes nothing",
         "[SETTING]\nMatrixToScreenTime=0\n[Matrix]\nMatrix_Use=0\n",
         {"--select", "1:1-1:2", "--single", "route", "10", "3"},
         "write 1 FB B0 11 12 31 0E AE\n"},
        {"an input past the switcher's inputs is refused, nothing sent",
         "[Matrix]\nAV_Company=22\nMatrix_AV_InputMax=16\n",
         {"route", "2", "17"},
         "",
         1},
    });
}

TEST_F(WallctlTest, ARouteForRealRecordsTheSourcesAndATracedOneLeavesTheFile) {
    const QByteArray settings = "[SETTING]\nMatrixToScreenTime=0\n[Matrix]\nMatrix_Use=0\n";
    writeFile(settings);
    TraceIo sent;
    const Run real = run({QStringLiteral("--select"), QStringLiteral("1:1-1:2"),
                          QStringLiteral("route"), QStringLiteral("10"), QStringLiteral("1")},
                         &sent);
    EXPECT_EQ(real.code, 0) << real.err.toStdString();
    EXPECT_EQ(sent.lines(), QStringList{QStringLiteral("write 1 FB B0 11 12 30 0E AE")});
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("[Unit1]\nSource0=10\nSource1=10\n"));

    const Run traced = trace(settings, {"--select", "1:1", "route", "2", "1"});
    EXPECT_EQ(traced.code, 0);
    EXPECT_EQ(readFile(), settings) << "a trace leaves the file as it is";

    const Run refused =
        trace("[Matrix]\nAV_Company=22\nMatrix_AV_InputMax=16\n", {"route", "2", "17"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_THAT(refused.err.toStdString(), testing::HasSubstr("matrix input 17 is outside 1-16"));
}

TEST_F(WallctlTest, RefusedCommandsSendNothingAndSayWhy) {
    struct Case {
        const char* what;
        QByteArray settings;
        std::vector<const char*> args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"selection outside the wall",
         "",
         {"--select", "4:1", "write", "65", "1"},
         1,
         "outside the 3 x 3 wall"},
        {"row 0 does not exist", "", {"--select", "0:1", "write", "65", "1"}, 1, "outside"},
        {"16 rows cannot be addressed in format 0",
         "[SETTING]\nRow=16\n",
         {"step", "16", "1"},
         1,
         "rows and columns 1 to 15"},
        {"value too large for format 0", "", {"write", "65", "256"}, 1, "does not fit"},
        {"bad selection text", "", {"--select", "1-2", "write", "65", "1"}, 2, "Bad selection"},
        {"parameter above a byte", "", {"write", "256", "1"}, 2, "Bad parameter"},
        {"step value above a byte", "", {"step", "65", "0x100"}, 2, "Bad value"},
        {"not a number", "", {"write", "65", "ten"}, 2, "Bad value"},
        {"unknown command", "", {"blink"}, 2, "Unknown command"},
        {"missing value", "", {"write", "65"}, 2, "Usage"},
        {"a source without a matrix",
         "[Matrix]\nAV_Company=28\n",
         {"matrix", "7", "1"},
         1,
         "source 7 is not fed by a matrix"},
        {"no switcher of the kind", "", {"matrix", "2", "1"}, 1, "no AV matrix is configured"},
        {"an input beyond the matrix",
         "[Matrix]\nAV_Company=28\n",
         {"matrix", "2", "5"},
         1,
         "matrix input 5 is outside 1-4"},
        {"matrix input 0",
         "[Matrix]\nAV_Company=28\n",
         {"matrix", "2", "0"},
         2,
         "Bad matrix input"},
        {"switch type 3",
         "[Matrix]\nAV_Company=28\n",
         {"--type", "3", "matrix", "2", "1"},
         2,
         "Bad --type"},
        {"picture 0",
         "[Matrix]\nAV_Company=28\n",
         {"--picture", "0", "matrix", "2", "1"},
         2,
         "Bad --picture"},
        {"board 8 without a picture",
         "[System]\nBoardSel=8\n[Matrix]\nAV_Company=5\n",
         {"matrix", "2", "1"},
         1,
         "choose one of AV1-AV4"},
        {"a staggered power-on that cannot address its last screen",
         "[SETTING]\nRow=16\nPowerDelayTime10Ms=1\n",
         {"power", "on"},
         1,
         "rows and columns 1 to 15"},
    };
    for (const Case& c : cases) {
        const Run r = trace(c.settings, c.args);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_TRUE(r.out.isEmpty()) << c.what << ": " << r.out.toStdString();
        EXPECT_THAT(r.err.toStdString(), testing::HasSubstr(c.message)) << c.what;
    }
}

TEST_F(WallctlTest, EveryClampedOrDefaultedWallSizeIsReportedAlikeOnStderr) {
    const Run r = trace("[SETTING]\nRow=0\nCol=40\n", {"step", "16", "1"});
    EXPECT_EQ(r.code, 1) << "30 columns cannot be addressed in format 0";
    EXPECT_THAT(r.err.toStdString(),
                testing::HasSubstr("SETTING/Col=40 in Setting.ini is not a number from 1 to 30; "
                                   "using 30"));

    struct Case {
        const char* settings;
        const char* warning;
        QString frame;
    };
    const Case cases[] = {
        {"[SETTING]\nRow=0\nCol=2\n",
         "SETTING/Row=0 in Setting.ini is not a number from 1 to 30; using 1",
         QStringLiteral("write 1 FB B0 11 12 10 01 AE\n")},
        {"[SETTING]\nRow=1\nCol=2147483648\n",
         "SETTING/Col=2147483648 in Setting.ini is not a number from 1 to 30; using 3",
         QStringLiteral("write 1 FB B0 11 13 10 01 AE\n")},
        {"[SETTING]\nRow=abc\nCol=1\n",
         "SETTING/Row=abc in Setting.ini is not a number from 1 to 30; using 3",
         QStringLiteral("write 1 FB B0 11 31 10 01 AE\n")},
        {"[WallPopList]\nListLeng=99999\n[SETTING]\nRow=1\nCol=1\n",
         "WallPopList/ListLeng=99999 in Setting.ini is not a number from 0 to 1024; using 1024",
         QStringLiteral("write 1 FB B0 11 11 10 01 AE\n")},
    };
    for (const Case& c : cases) {
        const Run ok = trace(c.settings, {"step", "16", "1"});
        EXPECT_EQ(ok.code, 0) << c.settings;
        EXPECT_EQ(ok.out, c.frame) << c.settings;
        EXPECT_THAT(ok.err.toStdString(), testing::HasSubstr(c.warning)) << c.settings;
    }
}

TEST_F(WallctlTest, WithoutTraceAMissingWallLinkFails) {
    writeFile("");
    const Run r = run({QStringLiteral("write"), QStringLiteral("65"), QStringLiteral("50")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_THAT(r.err.toStdString(), testing::HasSubstr("Cannot open the wall link"));
}

TEST_F(WallctlTest, ASettingsFileThatCannotBeReadOrReplacedIsLeftAsItIs) {
    using wall::test::FileFault;
    const QByteArray original =
        "[SETTING]\nRow=2\nCol=2\n[Wall]\nWall_Mode0=Morning\n[Unit1]\nSource0=12\n";
    for (FileFault fault : {FileFault::WriteOnly, FileFault::Folder, FileFault::Fifo,
                            FileFault::Endless, FileFault::DanglingLink, FileFault::ReadOnlyFile,
                            FileFault::ReadOnlyFolder, FileFault::FullDisk}) {
        SCOPED_TRACE(wall::test::faultName(fault));
        const wall::test::FaultyFile file(fault, dirPath(), original);
        const QByteArray before = file.state();
        TraceIo sent;
        Run r{};
        file.run([&] {
            r = run({QStringLiteral("--settings"), file.path(), QStringLiteral("--select"),
                     QStringLiteral("1:1"), QStringLiteral("source"), QStringLiteral("2")},
                    &sent);
        });
        EXPECT_EQ(r.code, 1) << r.err.toStdString();
        EXPECT_THAT(r.err.toStdString(), testing::HasSubstr(file.systemReason().toStdString()));
        if (wall::test::unreadableFault(fault)) {
            EXPECT_THAT(r.err.toStdString(), testing::HasSubstr("cannot be read"));
            EXPECT_THAT(r.err.toStdString(), testing::HasSubstr("Nothing was sent."));
            EXPECT_TRUE(sent.lines().isEmpty()) << "no frame on a default wall";
        } else {
            EXPECT_THAT(r.err.toStdString(),
                        testing::HasSubstr("The frames were sent, but the settings were not "
                                           "stored."));
            EXPECT_EQ(sent.lines().size(), 1) << "the frame went out";
        }
        EXPECT_EQ(file.state(), before);
    }
}

TEST_F(WallctlTest, SettingsOptionNamesTheFile) {
    writeFile("[SETTING]\nCmdForm=2\n");
    const QString other = dirPath() + QStringLiteral("/other.ini");
    const Run r = run(QStringList{
        QStringLiteral("--trace"), QStringLiteral("--settings"), other, QStringLiteral("--select"),
        QStringLiteral("1:1"), QStringLiteral("step"), QStringLiteral("65"), QStringLiteral("1")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("write 1 FB B0 11 11 41 01 AE\n"))
        << "other.ini has no CmdForm";
    EXPECT_FALSE(QFile::exists(other)) << "a trace creates nothing";
    EXPECT_THAT(r.err.toStdString(), testing::HasSubstr("other.ini does not exist"))
        << "so that a mistyped path is noticed";
}

} // namespace

namespace {

TEST_F(WallctlTest, PlanSaveTracesThePresetFramesPausesAndTheWallFrame) {
    expectTraces({
        {"plan 1 without a switcher",
         "[SETTING]\nCmdForm=0\n",
         {"plan", "save", "1"},
         "write 1 FB B0 11 FF C9 01 AE\n"},
        {"plan 48 in format 2",
         "[SETTING]\nCmdForm=2\n",
         {"plan", "save", "48"},
         "write 1 FB B0 01 01 FF FF C9 30 AE\n"},
        {"VGA ZRQ001 at ID 1, format 1",
         "[SETTING]\nCmdForm=1\n[Matrix]\nVGA_Company=1\nVGA_ID=1\n",
         {"plan", "save", "1"},
         "write 1 C5 B1 01 A3 03 10 00 01 B8\npause 500\nwrite 1 C5 B1 01 A4 03 10 00 01 B9\n"
         "pause 500\nwrite 1 FB B1 11 FF C9 01 00 AE\n"},
        {"AV WP001 on its own port",
         "[Matrix]\nAV_Company=74\nAV_ID=1\n[YbCommDevice]\nAVMatrixUseComOnly=1\n",
         {"plan", "save", "1"},
         "write 2 96 01 11 03 00 01 AC\npause 500\nwrite 1 FB B0 11 FF C9 01 AE\n"},
        {"DVI EXTRON plan 3",
         "[Matrix]\nDVI_Company=16\n",
         {"plan", "save", "3"},
         "write 1 33 2C\npause 500\nwrite 1 FB B0 11 FF C9 03 AE\n"},
    });
}

TEST_F(WallctlTest, PlanCommandsRefuseBadNumbersAndNamesAndChangeNothing) {
    const QByteArray settings = "[Wall]\nWall_Mode1=Night\n";
    struct Case {
        const char* what;
        std::vector<const char*> args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"plan 0", {"plan", "save", "0"}, 2, "Bad plan \"0\": a number 1-48."},
        {"plan 49", {"plan", "save", "49"}, 2, "Bad plan \"49\""},
        {"not a number", {"plan", "rename", "x", "A"}, 2, "Bad plan \"x\""},
        {"a duplicate", {"plan", "rename", "3", "Night"}, 1, "Refused: Repeat name."},
        {"its own name", {"plan", "rename", "2", "Night"}, 1, "Repeat name"},
        {"empty", {"plan", "rename", "2", ""}, 1, "Name can not be empty"},
        {"a section head", {"plan", "rename", "2", "[Wall]"}, 1, "[, ] or ="},
        {"a line break", {"plan", "rename", "2", "a\nb"}, 1, "line break"},
        {"outer blanks", {"plan", "rename", "2", " x "}, 1, "blank"},
        {"no number", {"plan", "save"}, 2, "Usage"},
        {"no such plan command", {"plan", "erase", "1"}, 2, "Unknown command"},
    };
    for (const Case& c : cases) {
        const Run r = trace(settings, c.args);
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err.toStdString();
        EXPECT_THAT(r.err.toStdString(), testing::HasSubstr(c.message)) << c.what;
        EXPECT_TRUE(r.out.isEmpty()) << c.what;
        EXPECT_EQ(readFile(), settings) << c.what;
    }
}

TEST_F(WallctlTest, ABadPlanNumberIsSaidBeforeAnyDeviceOpens) {
    // No devices in this environment: a real run would fail on the wall link.
    writeFile("");
    const Run r = run({QStringLiteral("plan"), QStringLiteral("save"), QStringLiteral("0")});
    EXPECT_EQ(r.code, 2);
    EXPECT_THAT(r.err.toStdString(), testing::HasSubstr("Bad plan \"0\": a number 1-48."));
    EXPECT_THAT(r.err.toStdString(), testing::Not(testing::HasSubstr("wall link")));
}

TEST_F(WallctlTest, PlanRenameAndListWorkOnTheFileAlone) {
    writeFile("[Wall]\nWall_Mode1=Night\nWall_Mode2_En=1\nWall_Mode=2\n");
    const Run renamed = run({QStringLiteral("plan"), QStringLiteral("rename"), QStringLiteral("5"),
                             QStringLiteral("会议模式")});
    EXPECT_EQ(renamed.code, 0) << renamed.err.toStdString();
    EXPECT_TRUE(readFile().contains(QStringLiteral("Wall_Mode4=会议模式\n").toUtf8()));

    const Run traced = trace(readFile(), {"plan", "rename", "6", "Day"});
    EXPECT_EQ(traced.code, 0);
    EXPECT_FALSE(readFile().contains("Day")) << "a trace leaves the file as it is";

    const Run list = run({QStringLiteral("plan"), QStringLiteral("list")});
    EXPECT_EQ(list.code, 0) << list.err.toStdString();
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 48);
    // The names as the window lists them, in the file's language.
    EXPECT_EQ(lines[0], QStringLiteral("1 - 模式1"));
    EXPECT_EQ(lines[1], QStringLiteral("2 - Night"));
    EXPECT_EQ(lines[2], QStringLiteral("3 saved 模式3"));
    EXPECT_EQ(lines[4], QStringLiteral("5 - 会议模式"));
    EXPECT_EQ(lines[47], QStringLiteral("48 - 模式48"));

    // A rename to a name the list shows (in Chinese) is a duplicate.
    const Run duplicate = run({QStringLiteral("plan"), QStringLiteral("rename"),
                               QStringLiteral("3"), QStringLiteral("模式1")});
    EXPECT_EQ(duplicate.code, 1);
    EXPECT_THAT(duplicate.err.toStdString(), testing::HasSubstr("Repeat name"));
    writeFile("[SETTING]\nLanguage=1\n");
    const Run english = run({QStringLiteral("plan"), QStringLiteral("list")});
    EXPECT_TRUE(english.out.startsWith(QStringLiteral("1 - Mode1\n")));
}

TEST_F(WallctlTest, ATracedPlanSaveLeavesTheFileAsItIs) {
    const QByteArray settings = "[SETTING]\nRow=1\nCol=2\n";
    const Run r = trace(settings, {"plan", "save", "4"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(), settings);
}

} // namespace

namespace {

// Plan 3 (stored as 2) saved with two VGA routes on a 1 x 2 wall, VGA
// MINGKONG wired to outputs 3 and 4.
const char* const kPlan3 = "[SETTING]\nRow=1\nCol=2\nMatrixToScreenTime=20\n"
                           "[Matrix]\nVGA_Company=16\nMatrix_VGA_OutputStr0=3\n"
                           "Matrix_VGA_OutputStr1=4\nWall_Mode2Matrix_VGA_InputStr0=5\n"
                           "Wall_Mode2Matrix_VGA_InputStr1=6\n[Wall]\nWall_Mode2_En=1\n";

TEST_F(WallctlTest, PlanRecallAndRestoreTraceTheSwitchersAndTheWallFrame) {
    // MINGKONG: BB 04 <ID> 02 <I> <O> 55, then the 100 ms delay.
    const std::string routes = "write 1 BB 04 01 02 05 03 55\npause 100\n"
                               "write 1 BB 04 01 02 06 04 55\npause 100\npause 1000\n";
    const QByteArray wallFirst =
        QByteArray(kPlan3).replace("[SETTING]\n", "[SETTING]\nSwitchOrder=1\n");
    const std::string matricesFirst = routes + "pause 200\nwrite 1 FB B0 11 FF CA 03 AE\n";
    const std::string wallThenMatrices = "write 1 FB B0 11 FF CA 03 AE\npause 200\n" + routes;
    expectTraces({
        {"recall: the switchers, 20 x 10 ms, the wall frame",
         kPlan3,
         {"plan", "recall", "3"},
         matricesFirst.c_str()},
        {"recall with SwitchOrder 1: the wall first",
         wallFirst,
         {"plan", "recall", "3"},
         wallThenMatrices.c_str()},
        {"restore: the switchers alone", kPlan3, {"plan", "restore", "3"}, routes.c_str()},
    });
}

TEST_F(WallctlTest, AnUnsavedPlanIsNeitherRecalledNorRestored) {
    struct Case {
        const char* what;
        std::vector<const char*> args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"recall of an unsaved plan",
         {"plan", "recall", "4"},
         1,
         "Refused: Do not save this plan!\n"},
        {"restore of an unsaved plan",
         {"plan", "restore", "1"},
         1,
         "Refused: Do not save this plan!\n"},
        {"plan 0", {"plan", "recall", "0"}, 2, "Bad plan \"0\": a number 1-48."},
        {"plan 49", {"plan", "restore", "49"}, 2, "Bad plan \"49\""},
        {"no number", {"plan", "recall"}, 2, "Usage"},
    };
    for (const Case& c : cases) {
        const Run r = trace(kPlan3, c.args);
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err.toStdString();
        EXPECT_THAT(r.err.toStdString(), testing::HasSubstr(c.message)) << c.what;
        EXPECT_TRUE(r.out.isEmpty()) << c.what << ": nothing sent";
        EXPECT_EQ(readFile(), QByteArray(kPlan3)) << c.what;
    }
}

TEST_F(WallctlTest, AnUnsavedPlanIsRefusedBeforeAnyDeviceOpens) {
    // No devices in this environment: a real run would fail on the wall link.
    for (const char* command : {"recall", "restore"}) {
        writeFile(kPlan3);
        const Run r =
            run({QStringLiteral("plan"), QString::fromLatin1(command), QStringLiteral("7")});
        EXPECT_EQ(r.code, 1) << command;
        EXPECT_EQ(r.err, QStringLiteral("Refused: Do not save this plan!\n")) << command;
        EXPECT_EQ(readFile(), QByteArray(kPlan3)) << command;
    }
}

TEST_F(WallctlTest, ATracedRecallLeavesTheFileAsItIs) {
    const Run r = trace(kPlan3, {"plan", "recall", "3"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(), QByteArray(kPlan3));
}

} // namespace
