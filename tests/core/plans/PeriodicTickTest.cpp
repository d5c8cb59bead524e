// The periodic tick on the virtual clock: when tasks fire (latches, C and T
// with 30-day months, one-shot years), what a firing task sends, and the
// remote recall watch on the wall link.

#include "plans/PeriodicTick.h"
#include "app/SettingsStore.h"
#include "plans/PlanStore.h"
#include "plans/TimerSystem.h"
#include "serial/TraceIo.h"
#include "support/TraceConsoleFixture.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace wall;
using namespace wall::test;

namespace {

// One stored task: kind, date and time, command; rows and columns 1-1.
struct Task {
    int slot = 0;
    int kind = 3;
    int year = 2010, month = 1, day = 1, weekday = 0;
    int hour = 0, minute = 0, second = 0;
    int command = 0x10, parameter = 1;
    int enable = 1;
    int startH = 1, startL = 1, endH = 1, endL = 1;
};

std::string section(const Task& t) {
    auto kv = [](const char* k, int v) {
        return std::string("TimerSystem.") + k + "=" + std::to_string(v) + "\n";
    };
    return "[NO." + std::to_string(t.slot) + "]\n" + kv("bEnable", t.enable) +
           kv("wIndex", t.slot) + kv("wYear", t.year) + kv("wMonth", t.month) +
           kv("wDayOfWeek", t.weekday) + kv("wDay", t.day) + kv("wHour", t.hour) +
           kv("wMinute", t.minute) + kv("wSecond", t.second) + kv("RepeatTimeSel", t.kind) +
           kv("ucWallStartH", t.startH) + kv("ucWallStartL", t.startL) + kv("ucWallEndH", t.endH) +
           kv("ucWallEndL", t.endL) + kv("ucCommand", t.command) +
           kv("ucCommandParameter", t.parameter);
}

QByteArray settingsFile(const std::vector<Task>& tasks, const std::string& setting = "",
                        const std::string& extra = "", bool on = true) {
    std::string t = "[SETTING]\nRow=4\nCol=4\n" + setting +
                    "[TimerSystem]\nEnable=" + (on ? "1" : "0") + "\n" + extra;
    for (const Task& task : tasks)
        t += section(task);
    return QByteArray::fromStdString(t);
}

QDateTime moment(const char* text) {
    QDateTime t =
        QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    if (!t.isValid())
        t = QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return t;
}

class PeriodicTickTest : public TraceConsoleFixture {
protected:
    PeriodicTick& tick() { return console->tick(); }
    int fileInt(const std::string& sec, const char* key) {
        SettingsStore reader(path());
        const SettingsScope ini = reader.open();
        return ini.readInt(sec, key, -1);
    }
    // Ticks at each moment; returns "moment slot" for every task fired.
    std::vector<std::string> run(const std::vector<const char*>& moments) {
        std::vector<std::string> fired;
        for (const char* m : moments) {
            io.setNow(moment(m));
            for (int slot : tick().tick().fired)
                fired.push_back(std::string(m) + " #" + std::to_string(slot));
        }
        return fired;
    }
};

// --- When tasks fire -----------------------------------------------------

TEST_F(PeriodicTickTest, DueTasksOnTheVirtualClock) {
    struct Case {
        const char* what;
        Task task;
        std::vector<const char*> ticks;
        std::vector<std::string> fired;
        int enabledAfter;
    };
    Task daily{.kind = 3, .hour = 8};
    Task everyMinute{.kind = 1, .second = 0};
    Task pastOneShot{.kind = 0, .year = 2025, .month = 3, .day = 10, .hour = 8};
    Task nextYear{.kind = 0, .year = 2026, .month = 3, .day = 10, .hour = 8};
    Task monthly{.kind = 5, .day = 15, .hour = 10};
    Task yearly{.kind = 6, .month = 2, .day = 1, .hour = 8};
    Task oneShotFeb{.kind = 0, .year = 2025, .month = 2, .day = 1, .hour = 8};
    Task kind9{.kind = 9};
    Task enable2{.kind = 1, .enable = 2};
    const Case cases[] = {
        {"daily 08:00 started at 09:00 waits for the next day",
         daily,
         {"2025-03-10 09:00:00", "2025-03-10 23:59:59.900", "2025-03-11 00:00:00",
          "2025-03-11 07:59:59.900", "2025-03-11 08:00:00", "2025-03-11 08:00:00.100",
          "2025-03-11 08:00:01"},
         {"2025-03-11 08:00:00 #0"},
         1},
        {"target 0 fires on alternate ticks while C stays 0",
         everyMinute,
         {"2025-03-10 10:00:00", "2025-03-10 10:00:00.100", "2025-03-10 10:00:00.200",
          "2025-03-10 10:00:00.300", "2025-03-10 10:00:00.400", "2025-03-10 10:00:00.500",
          "2025-03-10 10:00:00.600", "2025-03-10 10:00:00.700", "2025-03-10 10:00:00.800",
          "2025-03-10 10:00:00.900", "2025-03-10 10:00:01", "2025-03-10 10:00:01.100"},
         {"2025-03-10 10:00:00.100 #0", "2025-03-10 10:00:00.300 #0", "2025-03-10 10:00:00.500 #0",
          "2025-03-10 10:00:00.700 #0", "2025-03-10 10:00:00.900 #0"},
         1},
        {"target 0 armed by the last tick of the second fires once more after it",
         everyMinute,
         {"2025-03-10 10:00:00", "2025-03-10 10:00:00.100", "2025-03-10 10:00:00.200",
          "2025-03-10 10:00:01", "2025-03-10 10:00:01.100"},
         {"2025-03-10 10:00:00.100 #0", "2025-03-10 10:00:01 #0"},
         1},
        {"a one-shot already past at start-up never fires and stays live",
         pastOneShot,
         {"2025-03-10 09:00:00", "2025-12-31 23:59:59", "2026-01-01 00:00:00",
          "2026-03-10 08:00:00", "2026-03-10 08:00:01"},
         {},
         1},
        {"next year's one-shot arms at once and fires at its moment",
         nextYear,
         {"2025-05-01 12:00:00", "2025-12-31 23:59:59", "2026-03-10 07:59:59.900",
          "2026-03-10 08:00:00", "2026-03-10 08:00:01"},
         {"2026-03-10 08:00:00 #0"},
         0},
        {"monthly on the 15th at 10:00:00",
         monthly,
         {"2025-04-15 09:00:00", "2025-04-15 10:00:00", "2025-04-15 10:00:01",
          "2025-04-16 00:00:00", "2025-05-01 00:00:00", "2025-05-15 09:59:59.900",
          "2025-05-15 10:00:00"},
         {"2025-04-15 10:00:00 #0", "2025-05-15 10:00:00 #0"},
         1},
        {"yearly 1 February fires on 31 January and again on 1 February",
         yearly,
         {"2025-01-31 07:00:00", "2025-01-31 08:00:00", "2025-01-31 23:59:59",
          "2025-02-01 00:00:00", "2025-02-01 08:00:00", "2025-02-01 08:00:01"},
         {"2025-01-31 08:00:00 #0", "2025-02-01 08:00:00 #0"},
         1},
        {"a one-shot for 1 February fires on 31 January and is freed",
         oneShotFeb,
         {"2025-01-31 07:00:00", "2025-01-31 08:00:00", "2025-02-01 00:00:00",
          "2025-02-01 08:00:00"},
         {"2025-01-31 08:00:00 #0"},
         0},
        {"kind 9 never fires",
         kind9,
         {"2025-01-31 00:00:00", "2025-01-31 00:00:01", "2025-01-31 00:00:02"},
         {},
         1},
        {"flag 2 occupies the slot but never runs",
         enable2,
         {"2025-01-31 00:00:00.500", "2025-01-31 00:00:01", "2025-01-31 00:00:02"},
         {},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(settingsFile({c.task}));
        EXPECT_EQ(run(c.ticks), c.fired);
        EXPECT_EQ(console->state().timers[0].bEnable, c.enabledAfter);
    }
}

TEST_F(PeriodicTickTest, SwitchedOffNothingFires) {
    load(settingsFile({Task{.kind = 1, .second = 5}}, "", "", false));
    EXPECT_TRUE(run({"2025-01-01 00:00:01", "2025-01-01 00:00:05"}).empty());
    EXPECT_EQ(io.text().toStdString(), "");
}

// --- What a firing task sends ----------------------------------------------

TEST_F(PeriodicTickTest, FiringTasksSendTheirFrames) {
    struct Case {
        const char* what;
        std::vector<Task> tasks;
        std::string setting;
        std::string extra;
        const char* trace;
        int currentPlan;
    };
    Task powerOn{.kind = 1, .second = 1, .startH = 1, .startL = 1, .endH = 3, .endL = 3};
    Task bigWall{.kind = 1, .second = 1, .startH = 17, .startL = 2, .endH = 0x12, .endL = 0x20};
    const Case cases[] = {
        {"power on, CmdForm 0", {powerOn}, "", "", "write 1 FB B0 11 33 10 01 AE\n", 0},
        {"power on, CmdForm 1",
         {powerOn},
         "CmdForm=1\n",
         "",
         "write 1 FB B1 11 33 10 01 00 AE\n",
         0},
        {"power on, CmdForm 2",
         {powerOn},
         "CmdForm=2\n",
         "",
         "write 1 FB B0 01 01 03 03 10 01 AE\n",
         0},
        {"addresses over 15 wrap modulo 256",
         {bigWall},
         "",
         "",
         "write 1 FB B0 12 40 10 01 AE\n",
         0},
        {"two tasks in one tick run in slot order",
         {Task{.slot = 5, .kind = 1, .second = 1, .parameter = 0},
          Task{.slot = 2, .kind = 1, .second = 1, .command = 0x33, .parameter = 7}},
         "",
         "",
         "write 1 FB B0 11 11 33 07 AE\nwrite 1 FB B0 11 11 10 00 AE\n",
         0},
        {"plan 3 recalled (no switcher in use): wait, frame, wait",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 3}},
         "",
         "[Wall]\nWall_Mode2_En=1\n",
         "pause 200\nwrite 1 FB B0 11 11 CA 03 AE\npause 200\n",
         2},
        {"an unsaved plan recalls nothing, the frame still goes",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 4}},
         "",
         "",
         "pause 200\nwrite 1 FB B0 11 11 CA 04 AE\npause 200\n",
         3},
        {"plan 0: no recall, no recall wait",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 0}},
         "",
         "[Wall]\nWall_Mode0_En=1\nWall_Mode=5\n",
         "write 1 FB B0 11 11 CA 00 AE\npause 200\n",
         5},
        {"plan 49: no recall",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 49}},
         "",
         "",
         "write 1 FB B0 11 11 CA 31 AE\npause 200\n",
         0},
        {"VGA SISO: the follow-up a second later on the VGA link",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 0}},
         "",
         "[Matrix]\nVGA_Company=27\n",
         "write 1 FB B0 11 11 CA 00 AE\npause 1000\nwrite 1 F2 00 00 22 00 01 00 23\npause 200\n",
         0},
        {"AV ACV: the follow-up on the AV link",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 0}},
         "",
         "[Matrix]\nAV_Company=84\n[YbCommDevice]\nMatrixUseComOnly=1\n",
         "write 1 FB B0 11 11 CA 00 AE\npause 1000\nwrite 2 F2 00 00 22 00 01 00 23\npause 200\n",
         0},
        {"Matrix_Use 0: no follow-up",
         {Task{.kind = 1, .second = 1, .command = 0xCA, .parameter = 0}},
         "",
         "[Matrix]\nVGA_Company=37\nMatrix_Use=0\n",
         "write 1 FB B0 11 11 CA 00 AE\npause 200\n",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(settingsFile(c.tasks, c.setting, c.extra));
        run({"2025-01-01 00:00:00"}); // arms
        io.clear();
        run({"2025-01-01 00:00:01"});
        EXPECT_EQ(io.text().toStdString(), c.trace);
        EXPECT_EQ(console->plans().current(), c.currentPlan);
    }
}

TEST_F(PeriodicTickTest, AFiredOneShotIsFreedInTheFileAndNotLoadedAgain) {
    load(settingsFile({Task{
        .slot = 4, .kind = 0, .year = 2025, .month = 6, .day = 1, .hour = 22, .parameter = 0}}));
    ASSERT_EQ(console->timers().listLines().size(), 1);
    EXPECT_EQ(run({"2025-06-01 21:00:00", "2025-06-01 22:00:00"}),
              std::vector<std::string>{"2025-06-01 22:00:00 #4"});
    EXPECT_EQ(io.text().toStdString(), "write 1 FB B0 11 11 10 00 AE\n");
    EXPECT_EQ(console->state().timers[4].bEnable, 0);
    EXPECT_EQ(fileInt("NO.4", "TimerSystem.bEnable"), 0);
    // Its line stays until the next start.
    EXPECT_EQ(console->timers().listLines().size(), 1);

    Console next(*store, io);
    next.load(dirPath());
    EXPECT_EQ(next.state().timers[4].bEnable, 0);
    EXPECT_TRUE(next.timers().listLines().isEmpty());
}

// --- The receive watch -----------------------------------------------------

TEST_F(PeriodicTickTest, ReceiveWatch) {
    struct Case {
        const char* what;
        std::vector<QByteArray> packages; // one per tick
        bool characters;
        QStringList memo;
        std::vector<int> recalled;
        const char* trace;
        int currentPlan;
    };
    const QByteArray plan3 = remoteRecallFrame(2);
    const Case cases[] = {
        {"plan 3 in hex mode",
         {QByteArray::fromHex("FAF552656361 6C6C022E")},
         false,
         {QStringLiteral("FA F5 52 65 63 61 6C 6C 02 2E ")},
         {2},
         "pause 200\n",
         2},
        {"plan 3 in character mode, after noise",
         {QByteArray("ab") + plan3},
         true,
         {QString::fromLatin1(QByteArray("ab\xFA\xF5Recall\x02."))},
         {2},
         "pause 200\n",
         2},
        {"two frames in one read recall twice",
         {remoteRecallFrame(1) + plan3},
         false,
         {QStringLiteral("FA F5 52 65 63 61 6C 6C 01 2E FA F5 52 65 63 61 6C 6C 02 2E ")},
         {1, 2},
         "pause 200\npause 200\n",
         2},
        {"a split frame is not recognised",
         {plan3.left(5), plan3.mid(5)},
         false,
         {QStringLiteral("FA F5 52 65 63 "), QStringLiteral("61 6C 6C 02 2E ")},
         {},
         "",
         0},
        {"a frame without its end byte",
         {plan3.left(9) + "!"},
         false,
         {QStringLiteral("FA F5 52 65 63 61 6C 6C 02 21 ")},
         {},
         "",
         0},
        {"plan byte 48 recalls nothing",
         {remoteRecallFrame(48)},
         false,
         {QStringLiteral("FA F5 52 65 63 61 6C 6C 30 2E ")},
         {},
         "",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(settingsFile({}, "", "[Wall]\nWall_Mode1_En=1\nWall_Mode2_En=1\n"));
        tick().setCharacterMode(c.characters);
        QStringList memo;
        std::vector<int> recalled;
        for (const QByteArray& p : c.packages) {
            io.receiveNow(kWallLink, p);
            const PeriodicTick::Report r = tick().tick();
            memo += r.memoLines;
            recalled.insert(recalled.end(), r.recalled.begin(), r.recalled.end());
        }
        EXPECT_EQ(memo, c.memo);
        EXPECT_EQ(recalled, c.recalled);
        EXPECT_EQ(io.text().toStdString(), c.trace);
        EXPECT_EQ(console->plans().current(), c.currentPlan);
        io.clear();
    }
}

TEST_F(PeriodicTickTest, NothingReceivedOrDisplayOffAddsNoLine) {
    load(settingsFile({}, "", "[Wall]\nWall_Mode2_En=1\n"));
    EXPECT_TRUE(tick().tick().memoLines.isEmpty());
    tick().setDisplayOn(false);
    io.receiveNow(kWallLink, remoteRecallFrame(2));
    EXPECT_TRUE(tick().tick().memoLines.isEmpty());
    EXPECT_EQ(console->plans().current(), 0);
    // Left unread until the watch is on again.
    tick().setDisplayOn(true);
    EXPECT_EQ(tick().tick().recalled, std::vector<int>{2});
}

TEST_F(PeriodicTickTest, ALongBurstIsReadUpToTheBuffer) {
    load(settingsFile({}));
    tick().setCharacterMode(false);
    io.receiveNow(kWallLink, QByteArray(1500, char(0xFA)));
    const PeriodicTick::Report r = tick().tick();
    EXPECT_EQ(r.received.size(), PeriodicTick::kReceiveBuffer);
    ASSERT_EQ(r.memoLines.size(), 1);
    EXPECT_EQ(r.memoLines[0].size(), 3 * PeriodicTick::kReceiveBuffer);
}

} // namespace

namespace {

// Devices whose pauses run a tick of their own, as a window's timer would
// during a wait if nothing held it back.
struct TickingIo final : wall::DeviceIo, wall::Pacer {
    wall::TraceIo trace;
    std::function<void()> duringPause;
    wall::DeviceLink& link(int device) override { return trace.link(device); }
    wall::Pacer& pacer() override { return *this; }
    wall::Clock& clock() override { return trace.clock(); }
    void pause(int ms) override {
        trace.pacer().pause(ms);
        if (duringPause)
            duringPause();
    }
};

TEST(PeriodicTickNesting, ATickAskedForDuringAWaitDoesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // A daily recall of plan 1 at 08:00 (0xCA waits 200 ms inside the tick).
    Task t; // every day
    t.hour = 8;
    t.command = 0xCA;
    t.parameter = 1;
    Task second; // and a power-on at the same moment, in the next slot
    second.slot = 1;
    second.hour = 8;
    f.write(QByteArray::fromStdString("[TimerSystem]\nEnable=1\n[Wall]\nWall_Mode0_En=1\n" +
                                      section(t) + section(second)));
    f.close();
    wall::SettingsStore store(path);
    TickingIo io;
    wall::Console console(store, io);
    console.load(dir.path());
    io.trace.setNow(QDateTime(QDate(2026, 12, 11), QTime(7, 59, 59)));
    console.tick().tick();
    io.trace.setNow(QDateTime(QDate(2026, 12, 11), QTime(8, 0, 0)));
    std::vector<int> nestedFired;
    io.duringPause = [&] {
        const auto nested = console.tick().tick();
        nestedFired.insert(nestedFired.end(), nested.fired.begin(), nested.fired.end());
    };
    const auto report = console.tick().tick();
    EXPECT_EQ(report.fired, (std::vector<int>{0, 1})) << "both, in slot order, by the one tick";
    EXPECT_TRUE(nestedFired.empty()) << "no tick inside a tick";
}

} // namespace
