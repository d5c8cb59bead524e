// Recalling plans: what comes back into memory and Setting.ini, what goes
// out to the switchers (preset recall frames or a replay of every screen's
// route) and to the wall, in which order, and what is refused.

#include "plans/PlanRecall.h"
#include "app/SettingsStore.h"
#include "core/matrix/MatrixCase.h"
#include "matrix/MatrixProtocol.h"
#include "plans/PlanStore.h"
#include "plans/PresetFrames.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace wall;
using namespace wall::test;

namespace {

// A Setting.ini put together section by section.
class PlanFile {
public:
    PlanFile(int rows, int cols) {
        setting("Row", rows);
        setting("Col", cols);
    }
    PlanFile& setting(const std::string& key, int v) { return put("SETTING", key, v); }
    PlanFile& matrix(const std::string& key, int v) { return put("Matrix", key, v); }
    PlanFile& board(int b) { return put("System", "BoardSel", b); }
    PlanFile& flag(const std::string& portFlag) { return put("YbCommDevice", portFlag, 1); }
    PlanFile& current(int n) { return put("Wall", "Wall_Mode", n); }
    PlanFile& saved(int n) { return put("Wall", "Wall_Mode" + std::to_string(n) + "_En", 1); }
    // The kind's protocol, address and delay.
    PlanFile& kind(const std::string& k, int company, int id = 1, int delay = 100) {
        matrix(k + "_Company", company);
        matrix(k + "_ID", id);
        return matrix("Matrix_" + k + "_DelayTime", delay);
    }
    PlanFile& outputs(const std::string& k, std::initializer_list<int> os) {
        int e = 0;
        for (int o : os)
            matrix("Matrix_" + k + "_OutputStr" + std::to_string(e++), o);
        return *this;
    }
    // Plan n's stored inputs of a kind, entry 0 on.
    PlanFile& inputs(int n, const std::string& k, std::initializer_list<int> is) {
        int e = 0;
        for (int i : is)
            matrix("Wall_Mode" + std::to_string(n) + "Matrix_" + k + "_InputStr" +
                       std::to_string(e++),
                   i);
        return *this;
    }
    PlanFile& sources(int n, std::initializer_list<int> ss) {
        int k = 0;
        for (int s : ss)
            put("Unit1", "SrcMode" + std::to_string(n) + "Source" + std::to_string(k++), s);
        return *this;
    }
    PlanFile& raw(const std::string& section, const std::string& line) {
        sections_[section] += line + '\n';
        return *this;
    }
    QByteArray text() const {
        std::string t;
        for (const auto& [name, body] : sections_)
            t += '[' + name + "]\n" + body;
        return QByteArray::fromStdString(t);
    }

private:
    PlanFile& put(const std::string& section, const std::string& key, int v) {
        return raw(section, key + '=' + std::to_string(v));
    }
    std::map<std::string, std::string> sections_;
};

// A TRIOLION frame with one pair: EB model 02 02 <O-1> <stored input>, then
// the sum of the bytes after EB; a sum of EB goes out as 14.
Bytes triolionPair(int model, int output, int stored) {
    Bytes b;
    b.bytes({0xEB, model, 0x02, 0x02, output - 1, stored});
    const int s = b.sum(1, 5);
    return b.byte(s == 0xEB ? 0x14 : s);
}

class PlanRecallTest : public TraceConsoleFixture {
protected:
    PlanRecall& recall() { return console->planRecall(); }
    void load(const PlanFile& f) { TraceConsoleFixture::load(f.text()); }
    const MatrixTable& routed(MatrixKind k) {
        return console->state().matrix.routedInput[size_t(k)];
    }
};

// --- The double-click: order, wait and wall frame --------------------------

TEST_F(PlanRecallTest, DoubleClickOrdersMatricesAndWallBySwitchOrder) {
    // VGA ZRQ001 at address 1: two recall frames, 500 ms apart.
    auto zrqRecall = [](int p, int category) {
        return Bytes().bytes({0xC5, 0xB1, 0x01, category, 0x03, 0x11, 0x00, p}).appendSum(2, 7);
    };
    auto matrices = [&](Trace t, int p) {
        return t.write(1, zrqRecall(p, 0xA3)).pause(500).write(1, zrqRecall(p, 0xA4)).pause(1000);
    };
    struct Case {
        const char* what;
        int switchOrder;
        int matrixToScreen;
        int cmdForm;
        int n;
        std::string expected;
    };
    const Case cases[] = {
        {"plan 5, matrices first, 200 x 10 ms, CmdForm 0", 0, 200, 0, 4,
         matrices(Trace(), 5).pause(2000).write(1, Bytes("FB B0 11 FF CA 05 AE")).str()},
        {"wall first", 1, 30, 0, 4,
         matrices(Trace().write(1, Bytes("FB B0 11 FF CA 05 AE")).pause(300), 5).str()},
        {"SwitchOrder 2: the wall frame alone", 2, 200, 0, 4,
         Trace().write(1, Bytes("FB B0 11 FF CA 05 AE")).str()},
        {"SwitchOrder 7: the wall frame alone", 7, 200, 0, 4,
         Trace().write(1, Bytes("FB B0 11 FF CA 05 AE")).str()},
        {"no wait: no pause line", 0, 0, 0, 0,
         matrices(Trace(), 1).write(1, Bytes("FB B0 11 FF CA 01 AE")).str()},
        {"CmdForm 1", 2, 0, 1, 47, Trace().write(1, Bytes("FB B1 11 FF CA 30 00 AE")).str()},
        {"CmdForm 2", 2, 0, 2, 9, Trace().write(1, Bytes("FB B0 01 01 FF FF CA 0A AE")).str()},
        {"CmdForm 3 is the 7-byte layout", 2, 0, 3, 1,
         Trace().write(1, Bytes("FB B0 11 FF CA 02 AE")).str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(PlanFile(1, 1)
                 .setting("SwitchOrder", c.switchOrder)
                 .setting("MatrixToScreenTime", c.matrixToScreen)
                 .setting("CmdForm", c.cmdForm)
                 .kind("VGA", 1)
                 .saved(c.n));
        io.clear();
        const CommandResult r = recall().recall(c.n);
        EXPECT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(io.text().toStdString(), c.expected);
        EXPECT_EQ(console->plans().current(), c.n);
    }
}

TEST_F(PlanRecallTest, AnUnsavedPlanIsRefusedWithTheListsMessageAndNothingElseHappens) {
    struct Case {
        const char* what;
        int language;
        bool doubleClick;
        const char* message;
        const char* caption;
    };
    const Case cases[] = {
        {"double-click, Chinese", 0, true, "没有保存此预案", "错误提示"},
        {"double-click, English", 1, true, "Do not save this plan!", "Error"},
        {"restore alone", 0, false, "没有保存此预案", "错误提示"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(PlanFile(2, 2)
                 .setting("Language", c.language)
                 .kind("VGA", 1)
                 .kind("AV", 5)
                 .current(1)
                 .saved(1)
                 .sources(3, {4, 4, 4, 4}));
        const QByteArray before = readFile();
        io.clear();
        const CommandResult r = c.doubleClick ? recall().recall(3) : [&] {
            console->plans().setCurrent(3);
            return recall().matrixRecallyPlan();
        }();
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_EQ(recall().errorCaption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(io.text().toStdString(), "");
        EXPECT_EQ(readFile(), before);
        // The entry double-clicked is the current plan all the same.
        EXPECT_EQ(console->plans().current(), 3);
        EXPECT_EQ(console->grid().source(0), 12);
    }
}

TEST_F(PlanRecallTest, PlanNumbersOutsideTheListAreRefused) {
    load(PlanFile(1, 1).saved(0));
    for (int n : {-1, 48, 1000}) {
        io.clear();
        const CommandResult r = recall().recall(n);
        EXPECT_FALSE(r.ok) << n;
        EXPECT_TRUE(r.message.contains(QStringLiteral("1-48"))) << r.message.toStdString();
        EXPECT_EQ(io.text().toStdString(), "") << n;
    }
}

// --- What comes back into memory and the file -------------------------------

TEST_F(PlanRecallTest, RestoresSourcesTablesAndCellsWithDefaultsForMissingOrGarbledKeys) {
    load(PlanFile(2, 2)
             .matrix("Matrix_Use", 0)
             .kind("VGA", 16)
             .current(2)
             .saved(2)
             .raw("Unit1", "Source0=1")
             .raw("Unit1", "SrcMode2Source0=3")
             .raw("Unit1", "SrcMode2Source1=x")
             .raw("Unit1", "SrcMode2Source3=999")
             .raw("Matrix", "Wall_Mode2Matrix_VGA_InputStr0=7")
             .raw("Matrix", "Wall_Mode2Matrix_VGA_InputStr1=garbage")
             .raw("Matrix", "Wall_Mode2Matrix_VGA_InputStr3=-5")
             .raw("Matrix", "Wall_Mode2Matrix_AV_InputStr0=0")
             .raw("Matrix", "Wall_Mode2Matrix_AV_InputStr1=1000")
             .raw("Matrix", "Wall_Mode2Matrix_AV_InputStr2=1001")
             .raw("Matrix", "Wall_Mode2Matrix_YUV_InputStr3=9"));
    MatrixTable& vga = console->state().matrix.routedInput[size_t(MatrixKind::VGA)];
    vga.fill(50);
    io.clear();
    ASSERT_TRUE(recall().matrixRecallyPlan().ok);

    // Matrix_Use 0: no frame, no pause.
    EXPECT_EQ(io.text().toStdString(), "");
    const int sources[] = {3, 12, 12, 12};
    const int vgaInputs[] = {7, 1, 1, 1};
    const int avInputs[] = {0, 1000, 1, 1};
    const int yuvInputs[] = {1, 1, 1, 9};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(console->grid().source(k), sources[k]);
        EXPECT_EQ(routed(MatrixKind::VGA)[size_t(k)], vgaInputs[k]);
        EXPECT_EQ(routed(MatrixKind::AV)[size_t(k)], avInputs[k]);
        EXPECT_EQ(routed(MatrixKind::YUV)[size_t(k)], yuvInputs[k]);
    }
    EXPECT_EQ(routed(MatrixKind::VGA)[4], 50); // beyond the wall: untouched
    // No source: the cell shows its place and nothing after the two blanks.
    EXPECT_EQ(console->grid().cellText(1, 1, 4), QStringLiteral("2:2  "));

    SettingsStore file(path());
    SettingsScope ini = file.open();
    EXPECT_EQ(ini.readInt("Wall", "Wall_Mode", -1), 2);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(ini.readInt("Unit1", "Source" + std::to_string(k), -1), sources[k]) << k;
    EXPECT_FALSE(ini.hasKey("Unit1", "Source4"));
}

TEST_F(PlanRecallTest, OnBoard8FourAvEntriesPerScreenComeBackAndYPbPrStays) {
    load(PlanFile(1, 2)
             .board(8)
             .matrix("Matrix_Use", 0)
             .saved(0)
             .inputs(0, "AV", {11, 12, 13, 14, 15, 16, 17, 18})
             .inputs(0, "VGA", {21, 22})
             .inputs(0, "YUV", {31, 32}));
    console->state().matrix.routedInput[size_t(MatrixKind::YUV)].fill(5);
    ASSERT_TRUE(recall().matrixRecallyPlan().ok);
    for (int e = 0; e < 8; ++e)
        EXPECT_EQ(routed(MatrixKind::AV)[size_t(e)], 11 + e) << e;
    EXPECT_EQ(routed(MatrixKind::VGA)[1], 22);
    EXPECT_EQ(routed(MatrixKind::YUV)[0], 5);
}

TEST_F(PlanRecallTest, TheDoubleClickWritesTheRecalledPlanAsCurrent) {
    load(PlanFile(1, 1).current(0).saved(0).saved(6).sources(6, {9}));
    ASSERT_TRUE(recall().recall(6).ok);
    SettingsStore file(path());
    SettingsScope ini = file.open();
    EXPECT_EQ(ini.readInt("Wall", "Wall_Mode", -1), 6);
    EXPECT_EQ(ini.readInt("Unit1", "Source0", -1), 9);
    EXPECT_EQ(console->grid().source(0), 9);
}

// --- Preset recall frames: the kinds in turn --------------------------------

TEST_F(PlanRecallTest, PresetKindsSendTheirRecallFramesVgaAvDviYPbPrWithTheirPauses) {
    struct Case {
        const char* what;
        PlanFile file;
        int n;
        std::string expected;
    };
    const Case cases[] = {
        {"VGA, AV, DVI, YPbPr in turn, each on its port; no pause after YPbPr",
         PlanFile(1, 1)
             .kind("VGA", 47)
             .kind("AV", 74)
             .kind("DVI", 4, 2)
             .kind("YUV", 1)
             .flag("VGAMatrixUseComOnly")
             .flag("AVMatrixUseComOnly")
             .flag("DVIMatrixUseComOnly")
             .flag("YUVMatrixUseComOnly"),
         1,
         Trace()
             .write(3, Bytes("BA 01 15 03 00 02").appendSum(0, 5))
             .pause(500)
             .pause(1000)
             .write(2, Bytes("96 01 15 03 00 02").appendSum(0, 5))
             .pause(1000)
             .write(4, Bytes("FF 02 06 01 00 AA"))
             .pause(1000)
             .write(5, Bytes("C5 B1 01 A6 03 11 00 02").appendSum(2, 7))
             .str()},
        {"VGA CREATEK, plan 10: no frame, the pause after VGA all the same",
         PlanFile(1, 1).kind("VGA", 4), 9, Trace().pause(1000).str()},
        {"VGA CREATEK, plan 9: within its limit", PlanFile(1, 1).kind("VGA", 4), 8,
         Trace().write(1, Bytes().ascii("Recall9.")).pause(1000).str()},
        {"DVI ZRQ001 with AV on a protocol restored by neither table",
         PlanFile(1, 1).kind("AV", 3).kind("DVI", 1, 7), 2,
         Trace()
             .pause(1000)
             .write(1, Bytes("C5 B1 07 A5 03 11 00 03").appendSum(2, 7))
             .pause(1000)
             .str()},
        {"DVI EXTRON, plan 6", PlanFile(1, 1).kind("DVI", 16), 5,
         Trace().write(1, Bytes().ascii("6.")).pause(1000).str()},
        {"DVI EXTRON, plan 7: nothing for that kind", PlanFile(1, 1).kind("DVI", 16), 6,
         Trace().pause(1000).str()},
        {"YPbPr alone: no pause after it", PlanFile(1, 1).kind("YUV", 1, 3), 0,
         Trace().write(1, Bytes("C5 B1 03 A6 03 11 00 01").appendSum(2, 7)).str()},
        {"AV CREATEK3 a byte at a time", PlanFile(1, 1).kind("AV", 31), 1,
         Trace()
             .write(1, Bytes().ascii("R"))
             .pause(100)
             .write(1, Bytes().ascii("e"))
             .pause(100)
             .write(1, Bytes().ascii("c"))
             .pause(100)
             .write(1, Bytes().ascii("a"))
             .pause(100)
             .write(1, Bytes().ascii("l"))
             .pause(100)
             .write(1, Bytes().ascii("l"))
             .pause(100)
             .write(1, Bytes().ascii("2"))
             .pause(100)
             .write(1, Bytes().ascii("."))
             .pause(100)
             .pause(1000)
             .str()},
        {"Matrix_Use 0: nothing at all",
         PlanFile(1, 1).matrix("Matrix_Use", 0).kind("VGA", 1).kind("YUV", 1), 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlanFile f = c.file;
        load(f.current(c.n).saved(c.n));
        io.clear();
        ASSERT_TRUE(recall().matrixRecallyPlan().ok);
        EXPECT_EQ(io.text().toStdString(), c.expected);
    }
}

// --- Replays: every screen of the wall, each with its own input -------------

struct ReplayCase {
    const char* what;
    PlanFile file;
    std::string expected;
    int switchType = 1;
};

TEST_F(PlanRecallTest, ReplaysRouteEveryWiredScreensOutputOnceWithItsStoredInput) {
    const ReplayCase cases[] = {
        {"VGA MINGKONG: a shared output gets the lower screen's input, output 0 nothing",
         PlanFile(2, 2).kind("VGA", 16).outputs("VGA", {3, 3, 0, 5}).inputs(0, "VGA", {7, 8, 9, 2}),
         Trace()
             .write(1, Bytes("BB 04 01 02 07 03 55"))
             .pause(100)
             .write(1, Bytes("BB 04 01 02 02 05 55"))
             .pause(100)
             .pause(1000)
             .str()},
        {"YPbPr MVIIBR at address 3, its delay and port, no pause after YPbPr",
         PlanFile(2, 2)
             .kind("YUV", 2, 3, 40)
             .flag("YUVMatrixUseComOnly")
             .outputs("YUV", {1, 2, 0, 0})
             .inputs(0, "YUV", {4, 6}),
         Trace()
             .write(5, Bytes("96 03 01 04 A1 00 03 00"))
             .pause(40)
             .write(5, Bytes("96 03 01 04 A1 01 05 00"))
             .pause(40)
             .str()},
        {"AV REA keeps input - 1: the stored value is the frame's I - 1",
         PlanFile(1, 1).kind("AV", 83).outputs("AV", {2}).inputs(0, "AV", {4}),
         [] {
             Bytes b("F8 01 00 04 01 00");
             b.byte(b.sum(0, 5) & 0x7F);
             return Trace().write(1, b).pause(100).pause(1000).str();
         }()},
        {"VGA HVSM: switch type and port flag from the present settings",
         PlanFile(1, 2)
             .kind("VGA", 41, 2, 20)
             .flag("VGAMatrixUseComOnly")
             .outputs("VGA", {4, 6})
             .inputs(0, "VGA", {3, 1}),
         Trace()
             .write(3, Bytes("BB 04 02 01 03 04 55"))
             .pause(20)
             .write(3, Bytes("BB 04 02 01 01 06 55"))
             .pause(20)
             .pause(1000)
             .str(),
         0},
        {"VGA SMTH5: an input above 99 has no code, the screen is skipped",
         PlanFile(1, 2).kind("VGA", 56).outputs("VGA", {1, 2}).inputs(0, "VGA", {120, 5}),
         Trace().write(1, Bytes().ascii("01V05V02")).pause(100).pause(1000).str()},
        {"VGA SMTH5: an unusable input keeps its output from the next screen",
         PlanFile(1, 2).kind("VGA", 56).outputs("VGA", {1, 1}).inputs(0, "VGA", {120, 5}),
         Trace().pause(1000).str()},
        // The routing's repeats and their pauses are the routing's alone: a
        // replay sends each frame once. SISO: F2 <I hi> <I> 22 <O> <ID> 00,
        // then the XOR of bytes 2-7.
        {"AV SISO: one frame per output",
         PlanFile(1, 1).kind("AV", 22).outputs("AV", {2}).inputs(0, "AV", {3}),
         [] {
             Bytes b("F2 00 03 22 02 01 00");
             b.byte(0x00 ^ 0x03 ^ 0x22 ^ 0x02 ^ 0x01 ^ 0x00);
             return Trace().write(1, b).pause(100).pause(1000).str();
         }()},
        {"AV SHATIAN: one block, not three byte by byte",
         PlanFile(1, 1).kind("AV", 19).outputs("AV", {2}).inputs(0, "AV", {17}),
         [] {
             Bytes b("00 01 05 01 02 11 01 0D");
             b.byte(b.sum(0, 7));
             return Trace().write(1, b).pause(100).pause(1000).str();
         }()},
        {"VGA HRCMS is restored by neither table", PlanFile(1, 1).kind("VGA", 5),
         Trace().pause(1000).str()},
        {"AITE: the distinct outputs' pairs in one NUL-closed list",
         PlanFile(1, 3).kind("VGA", 7, 1, 60).outputs("VGA", {2, 2, 4}).inputs(0, "VGA", {3, 5, 6}),
         Trace().write(1, Bytes("96 01 01 06 A0 01 02 03 05 00")).pause(60).pause(1000).str()},
        {"AITE with no wired screen writes no list",
         PlanFile(1, 3).kind("VGA", 7).outputs("VGA", {0, 0, 0}), Trace().pause(1000).str()},
        {"VGA TRIOLION: two passes, a frame per wired screen, a sum of EB sent as 14",
         PlanFile(1, 3)
             .kind("VGA", 9)
             .matrix("VGA_Type", 0)
             .outputs("VGA", {1, 1, 0})
             .inputs(0, "VGA", {151, 2, 3}),
         Trace()
             .write(1, Bytes("EB 50 02 02 00 97 14"))
             .pause(100)
             .write(1, triolionPair(0x50, 1, 2))
             .pause(100)
             .pause(1000)
             .write(1, triolionPair(0x47, 1, 151))
             .pause(100)
             .write(1, triolionPair(0x47, 1, 2))
             .pause(100)
             .pause(1000)
             .str()},
        {"AV TRIOLION: one pass with the AV model code",
         PlanFile(1, 1).kind("AV", 11).matrix("AV_Type", 0).outputs("AV", {2}).inputs(0, "AV", {0}),
         Trace().write(1, Bytes("EB 71 02 02 01 00 76")).pause(100).pause(1000).str()},
        {"board 8, AV MAINVAN: each picture with its own stored input",
         PlanFile(1, 1)
             .board(8)
             .kind("AV", 5)
             .outputs("AV", {1, 2, 0, 4})
             .inputs(0, "AV", {5, 6, 7, 8}),
         Trace()
             .write(1, Bytes("F4 05 21 01 00 00").appendSum(1, 5))
             .pause(100)
             .write(1, Bytes("F4 06 21 02 00 00").appendSum(1, 5))
             .pause(100)
             .write(1, Bytes("F4 08 21 04 00 00").appendSum(1, 5))
             .pause(100)
             .pause(1000)
             .str()},
        {"board 8, AV LANMA (one picture): entry k with entry k",
         PlanFile(1, 2)
             .board(8)
             .kind("AV", 6)
             .outputs("AV", {3, 4, 5, 6, 7, 8, 9, 10})
             .inputs(0, "AV", {2, 3, 4, 5, 6, 7, 8, 9}),
         Trace()
             .write(1, Bytes("BB 01 03 02 00 00 00").appendSum(0, 6))
             .pause(100)
             .write(1, Bytes("BB 01 04 03 00 00 00").appendSum(0, 6))
             .pause(100)
             .pause(1000)
             .str()},
    };
    for (const ReplayCase& c : cases) {
        SCOPED_TRACE(c.what);
        PlanFile f = c.file;
        load(f.saved(0).current(0).raw("Unit14", "suiRadioGroup1=" + std::to_string(c.switchType)));
        io.clear();
        ASSERT_TRUE(recall().matrixRecallyPlan().ok);
        EXPECT_EQ(io.text().toStdString(), c.expected);
    }
}

TEST_F(PlanRecallTest, AReplayLeavesTheTablesAsLoaded) {
    // The routing walk would record a screen's input on every screen sharing
    // its output; the replay records nothing.
    load(PlanFile(1, 2).kind("VGA", 16).outputs("VGA", {3, 3}).inputs(0, "VGA", {7, 8}).saved(0));
    ASSERT_TRUE(recall().matrixRecallyPlan().ok);
    EXPECT_EQ(routed(MatrixKind::VGA)[0], 7);
    EXPECT_EQ(routed(MatrixKind::VGA)[1], 8);
}

// --- The tables -----------------------------------------------------------

// Protocols as "NAME (index), …", the way the protocol lists are documented.
std::vector<std::pair<int, std::string>> parseList(const std::string& text) {
    std::vector<std::pair<int, std::string>> out;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto open = item.find('(');
        std::string name = item.substr(0, open);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        out.push_back({std::stoi(item.substr(open + 1)), name});
    }
    return out;
}

TEST_F(PlanRecallTest, EveryProtocolIsRecalledByPresetByReplayOrKnowinglyNot) {
    struct KindLists {
        MatrixKind kind;
        const char* replayed;
        const char* notRestored;
    };
    const KindLists lists[] = {
        {MatrixKind::VGA,
         "AITE (7), CREATEK2 (8), TRIOLION (9), MINGKONG (16), SL002 (17), ITRON (21), "
         "EXTRON (22), ITRON312 (25), KEDI (26), SISO (27), FST (29), MVIIBR (30), TAPW (31), "
         "ZD (32), CH001 (34), HOKUTO (37), KEDI1 (38), KEDI2 (40), HVSM (41), EXTA (43), CK (44), "
         "QB (46), SFLAG (50), HYK (51), SISO2 (53), SMTH4 (54), HXD2 (55), SMTH5 (56), "
         "Erton (63), ACV (66), HOKUTO2 (68), SMTH6 (70)",
         "HRCMS (5), AC (11), KOVRAN (14), AC_VR (61), AC002_VR (62), AC002 (64)"},
        {MatrixKind::AV,
         "MAINVAN (5), LANMA (6), XJ (7), ADT (8), TRIOLION (11), INFINOVA (16), HLM001 (18), "
         "SHATIAN (19), LANMA2 (20), MINGKONG (21), SISO (22), SL002 (23), VINET (24), "
         "TC8800 (27), EXTRON (28), LWAD (30), ITRON (33), KEDI (34), HOKUTO1 (35), "
         "HOKUTO2 (36), SIERRA (38), LANMA3 (39), MVIIBR (40), LQAD (41), ZD (42), V1064 (43), "
         "PE5052NTK (44), PGVAS2406 (46), CH001 (47), SYYT (48), ADEMCO (51), KEDI1 (52), "
         "KEDI2 (53), HVSM (54), SITO (56), DET (57), EXTB (58), EXTA (59), QB (60), SMTH2 (62), "
         "PE5052K (63), SFLAG (68), PE5051K (69), HYK (70), SMTH4 (71), HXD1 (73), QJ (76), "
         "MAINVAN3 (77), MAINVAN4 (78), MAINVAN5 (79), BV6416 (81), SMTH6 (82), REA (83), "
         "ACV (84), PEARMAIN (86), SMTH5 (87), Panasonic (88), SMTH7 (89)",
         "AB8TO4 (3), CREATEK2 (10), YM001 (12), AC (13), KOVRAN (17), SMTH1 (64), SMTH3 (65), "
         "MAINVAN2 (72), AC002 (80)"},
        {MatrixKind::DVI,
         "LKV344 (3), HDMI0808 (5), MVIIBR (6), CH001 (7), ATYC (8), ODIN (10), SFLAG (11), "
         "SMTH3 (13), JKJS (14), MAINVAN (20), ITRON (24)",
         "IDOT (12), YD4x4 (18)"},
        {MatrixKind::YUV, "MVIIBR (2)", nullptr},
    };
    for (const KindLists& l : lists) {
        const auto protocols = matrixProtocols(l.kind);
        std::map<int, int> ways; // index -> how many ways restore it
        const auto replayed = parseList(l.replayed);
        EXPECT_EQ(replayed.size(), replayTable(l.kind).size());
        for (const auto& [index, name] : replayed) {
            SCOPED_TRACE(name);
            ASSERT_LT(index, int(protocols.size()));
            EXPECT_EQ(std::string(protocols[size_t(index)].name), name);
            const ReplayEntry* e = findReplay(l.kind, index);
            ASSERT_NE(e, nullptr);
            // Batch protocols need a replay of their own; the rest use their route frame.
            const bool batch = protocols[size_t(index)].shape == MatrixShape::Batch;
            EXPECT_EQ(batch, e->style != ReplayStyle::PerOutput);
            ++ways[index];
        }
        if (l.notRestored)
            for (const auto& [index, name] : parseList(l.notRestored)) {
                ASSERT_LT(index, int(protocols.size()));
                EXPECT_EQ(std::string(protocols[size_t(index)].name), name);
                ++ways[index];
            }
        for (int index = 1; index < int(protocols.size()); ++index)
            if (findPresetRow(l.kind, index))
                ++ways[index];
        for (int index = 1; index < int(protocols.size()); ++index)
            EXPECT_EQ(ways[index], 1)
                << matrixKeyName(l.kind) << ' ' << index << ' ' << protocols[size_t(index)].name;
    }
}

// --- While it runs --------------------------------------------------------

TEST_F(PlanRecallTest, WhileARecallRunsNoOtherPlanCommandStartsAndProgressIsReported) {
    load(PlanFile(1, 2)
             .kind("VGA", 16)
             .kind("AV", 1)
             .outputs("VGA", {1, 2})
             .saved(0)
             .saved(1)
             .setting("SwitchOrder", 0));
    std::vector<std::string> steps;
    QStringList refusals;
    recall().setProgressListener([&](MatrixKind kind, int screen, int screens) {
        steps.push_back(std::string(matrixKeyName(kind)) + ' ' + std::to_string(screen) + '/' +
                        std::to_string(screens));
        if (steps.size() == 2) {
            refusals << recall().recall(1).message << recall().matrixRecallyPlan().message
                     << console->plans().save(1).message;
        }
    });
    ASSERT_TRUE(recall().recall(0).ok);
    // The kinds in use only: no DVI or YPbPr switcher here.
    const std::vector<std::string> expected = {"VGA 0/2", "VGA 1/2", "VGA 2/2", "AV 0/2"};
    EXPECT_EQ(steps, expected);
    ASSERT_EQ(refusals.size(), 3);
    for (const QString& why : refusals)
        EXPECT_EQ(why, QStringLiteral("正在执行预案"));
    EXPECT_FALSE(recall().running());
    EXPECT_EQ(console->plans().current(), 0);
}

TEST_F(PlanRecallTest, TheStatusBarSaysWhatWasRecalled) {
    struct Case {
        const char* what;
        bool doubleClick;
        int language;
        const char* expected;
    };
    const Case cases[] = {
        {"double-click, Chinese", true, 0, "已发送 调用预案 3（模式3） → 4 个屏幕"},
        {"double-click, English", true, 1, "Sent recall plan 3 (Mode3) to 4 screens"},
        {"matrices alone", false, 0, "已恢复预案 3（模式3）的矩阵"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(PlanFile(2, 2).setting("Language", c.language).current(2).saved(2));
        QString line;
        console->setNoticeListener([&](const QString& text) { line = text; });
        ASSERT_TRUE((c.doubleClick ? recall().recall(2) : recall().matrixRecallyPlan()).ok);
        EXPECT_EQ(line, QString::fromUtf8(c.expected));
    }
}

} // namespace
