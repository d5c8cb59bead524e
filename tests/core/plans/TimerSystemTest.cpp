// The timer system's task table: the list lines in both languages and the
// three address layouts, adding and deleting tasks in memory and in
// Setting.ini, and the global switch.

#include "plans/TimerSystem.h"
#include "app/SettingsStore.h"
#include "plans/PlanStore.h"
#include "support/TraceConsoleFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace wall;
using namespace wall::test;

namespace {

TimerSystem task(int kind, int slot, std::uint8_t command, std::uint8_t parameter) {
    TimerSystem t;
    t.bEnable = 1;
    t.wIndex = std::uint16_t(slot);
    t.RepeatTimeSel = std::int8_t(kind);
    t.ucWallStartH = t.ucWallStartL = t.ucWallEndH = t.ucWallEndL = 1;
    t.ucCommand = command;
    t.ucCommandParameter = parameter;
    return t;
}

TimerSystem at(TimerSystem t, int y, int mo, int d, int wd, int h, int mi, int s) {
    t.wYear = std::uint16_t(y);
    t.wMonth = std::uint16_t(mo);
    t.wDay = std::uint16_t(d);
    t.wDayOfWeek = std::uint16_t(wd);
    t.wHour = std::uint16_t(h);
    t.wMinute = std::uint16_t(mi);
    t.wSecond = std::uint16_t(s);
    return t;
}

TimerSystem wall(TimerSystem t, int sh, int sl, int eh, int el) {
    t.ucWallStartH = std::uint8_t(sh);
    t.ucWallStartL = std::uint8_t(sl);
    t.ucWallEndH = std::uint8_t(eh);
    t.ucWallEndL = std::uint8_t(el);
    return t;
}

TEST(TimerTaskLine, EachKindLanguageAndLayout) {
    struct Case {
        const char* what;
        TimerSystem task;
        bool english;
        int cmdForm;
        const char* expected;
    };
    const Case cases[] = {
        {"daily plan 4, rows 1-2, columns 1-3",
         wall(at(task(3, 0, 0xCA, 4), 0, 0, 0, 0, 8, 30, 0), 1, 1, 2, 3), false, 0,
         "每天重复 8时30分0秒 起始地址(11) 结束地址(32) 预案[4] NO.0 "},
        {"the same in English: two blanks after Second",
         wall(at(task(3, 0, 0xCA, 4), 0, 0, 0, 0, 8, 30, 0), 1, 1, 2, 3), true, 0,
         "Every Day 8Hour 30Minute 0Second  Start Address(11) End address(32) Plan[4] NO.0 "},
        {"one-shot power on, weekday shown", at(task(0, 3, 0x10, 1), 2024, 3, 5, 2, 8, 5, 0), false,
         0, "不重复 2024-3-5 星期二 8:5:0 起始地址(11) 结束地址(11) 开机 NO.3 "},
        {"one-shot with weekday 9: no name, two blanks",
         at(task(0, 3, 0x10, 0), 2024, 3, 5, 9, 8, 5, 0), true, 0,
         "Not repeat 2024-3-5  8:5:0 Start Address(11) End address(11) PowerOff NO.3 "},
        {"every minute", at(task(1, 9, 0x10, 0), 0, 0, 0, 0, 0, 0, 30), false, 0,
         "每分钟重复 30秒 起始地址(11) 结束地址(11) 关机 NO.9 "},
        {"every hour", at(task(2, 10, 0x10, 2), 0, 0, 0, 0, 0, 5, 7), true, 0,
         "Every Hour 5Minute 7Second  Start Address(11) End address(11) PowerOn NO.10 "},
        {"every week", at(task(4, 49, 0x10, 1), 0, 0, 0, 6, 23, 59, 59), true, 0,
         "Every Week Saturday 23Hour 59Minute 59Second  Start Address(11) End address(11) "
         "PowerOn NO.49 "},
        {"every week, Chinese", at(task(4, 1, 0x10, 1), 0, 0, 0, 0, 7, 0, 0), false, 0,
         "每周重复 星期日 7时0分0秒 起始地址(11) 结束地址(11) 开机 NO.1 "},
        {"every month", at(task(5, 2, 0xCA, 48), 0, 0, 15, 0, 10, 0, 0), false, 0,
         "每月重复 15日10时0分0秒 起始地址(11) 结束地址(11) 预案[48] NO.2 "},
        {"every year", at(task(6, 2, 0xCA, 1), 0, 2, 1, 0, 8, 0, 0), true, 0,
         "Every Year 2Month 1Day 8Hour 0Minute 0Second  Start Address(11) End address(11) "
         "Plan[1] NO.2 "},
        {"custom code in hex", at(task(1, 0, 0xC9, 0x01), 0, 0, 0, 0, 0, 0, 0), false, 0,
         "每分钟重复 0秒 起始地址(11) 结束地址(11) C9[01] NO.0 "},
        {"custom code 0x0A, parameter 0xBE", at(task(1, 0, 0x0A, 0xBE), 0, 0, 0, 0, 0, 0, 0), true,
         0, "Every Minute 0Second  Start Address(11) End address(11) 0A[BE] NO.0 "},
        {"CmdForm 2: two digits, column first", wall(task(1, 0, 0x10, 1), 2, 3, 0x10, 0x1A), false,
         2, "每分钟重复 0秒 起始地址(0302) 结束地址(1A10) 开机 NO.0 "},
        {"CmdForm 0: low digit only", wall(task(1, 0, 0x10, 1), 2, 3, 0x10, 0x1A), false, 0,
         "每分钟重复 0秒 起始地址(32) 结束地址(A0) 开机 NO.0 "},
        {"CmdForm 1 is the one-digit layout", wall(task(1, 0, 0x10, 1), 2, 3, 0x10, 0x1A), false, 1,
         "每分钟重复 0秒 起始地址(32) 结束地址(A0) 开机 NO.0 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TimerTasks::taskLine(c.task, c.english, c.cmdForm).toStdString(), c.expected);
    }
}

TEST(TimerTaskLine, SlotReadFromTheLineEnd) {
    struct Case {
        const char* line;
        std::optional<int> slot;
    };
    const Case cases[] = {
        {"每天重复 8时30分0秒 起始地址(11) 结束地址(32) 预案[4] NO.12 ", 12},
        {"Every Day 8Hour 0Minute 0Second  Start Address(11) End address(11) PowerOn NO.7 ", 7},
        {"x NO.0 ", 0},
        {"x NO.49 ", 49},
        {"x NO.7", std::nullopt}, // no final blank
        {"x NO.a ", std::nullopt},
        {"x Na7 ", std::nullopt},
        {" ", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(TimerTasks::slotOfLine(QString::fromUtf8(c.line)), c.slot);
    }
}

TEST(TimerTaskLine, TypedHexBytes) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"c9", 0xC9}, {"C9", 0xC9},  {"1", 0x01},    {"ZZ", 0x00}, {"Zf", 0x0F},
                          {"fZ", 0xF0}, {"1ab", 0xAB}, {"0x10", 0x10}, {"g", 0x00}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TimerTasks::typedHexByte(QString::fromUtf8(c.text)), c.value);
    }
}

class TimerTasksTest : public TraceConsoleFixture {
protected:
    TimerTasks& timers() { return console->timers(); }
    const TimerSystem& slot(int i) { return console->state().timers[size_t(i)]; }
    int fileInt(const std::string& section, const char* key, int fallback = -1) {
        SettingsStore reader(path());
        const SettingsScope ini = reader.open();
        return ini.readInt(section, key, fallback);
    }
    static TaskSchedule schedule() {
        TaskSchedule s;
        s.year = 2025;
        s.month = 6;
        s.day = 14;
        s.weekday = 6;
        s.hour = 7;
        s.minute = 45;
        s.second = 30;
        s.repeat = 4;
        return s;
    }
    // A file whose slots `live` hold power-on tasks; `extra` goes on in
    // section SETTING.
    static QByteArray liveSlots(std::initializer_list<int> live, const char* extra = "") {
        std::string t = std::string("[SETTING]\nRow=4\nCol=4\n") + extra;
        for (int i : live)
            t += "[NO." + std::to_string(i) +
                 "]\nTimerSystem.bEnable=1\nTimerSystem.wHour=" + std::to_string(i % 24) + "\n";
        return QByteArray::fromStdString(t);
    }
};

TEST_F(TimerTasksTest, EachAddButtonStoresItsCommandForTheSelection) {
    struct Case {
        const char* what;
        int kind; // 0 on, 1 off, 2 plan, 3 custom
        int command;
        int parameter;
        const char* commandPart;
    };
    const Case cases[] = {
        {"power on", 0, 0x10, 1, "开机"},
        {"power off", 1, 0x10, 0, "关机"},
        {"plan recall: chooser position 2 is plan 3", 2, 0xCA, 3, "预案[3]"},
        {"custom c9 / 1", 3, 0xC9, 0x01, "C9[01]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(liveSlots({0, 2}, "[Wall]\nWall_Mode2_En=1\n"));
        console->grid().setSelection({2, 1, 2, 1}); // row 2, column 3
        TimerTasks::Added added;
        switch (c.kind) {
        case 0:
            added = timers().addPowerOn(schedule());
            break;
        case 1:
            added = timers().addPowerOff(schedule());
            break;
        case 2:
            added = timers().addPlanRecall(schedule(), 2);
            break;
        default:
            added = timers().addCustom(schedule(), QStringLiteral("c9"), QStringLiteral("1"));
        }
        ASSERT_TRUE(added.result.ok);
        ASSERT_EQ(added.slot, 1); // the first free slot
        TimerSystem expected = at(task(4, 1, std::uint8_t(c.command), std::uint8_t(c.parameter)),
                                  2025, 6, 14, 6, 7, 45, 30);
        expected = wall(expected, 2, 3, 2, 3);
        EXPECT_EQ(slot(1), expected);

        const char* keys[] = {"TimerSystem.bEnable",      "TimerSystem.wIndex",
                              "TimerSystem.wYear",        "TimerSystem.wMonth",
                              "TimerSystem.wDayOfWeek",   "TimerSystem.wDay",
                              "TimerSystem.wHour",        "TimerSystem.wMinute",
                              "TimerSystem.wSecond",      "TimerSystem.RepeatTimeSel",
                              "TimerSystem.ucWallStartH", "TimerSystem.ucWallStartL",
                              "TimerSystem.ucWallEndH",   "TimerSystem.ucWallEndL",
                              "TimerSystem.ucCommand",    "TimerSystem.ucCommandParameter"};
        const int values[] = {1,  1, 2025, 6, 6, 14, 7,         45,
                              30, 4, 2,    3, 2, 3,  c.command, c.parameter};
        for (size_t k = 0; k < std::size(keys); ++k)
            EXPECT_EQ(fileInt("NO.1", keys[k]), values[k]) << keys[k];

        // Appended after the loaded lines, though it fills an earlier slot;
        // the address shows column 3 then row 2.
        const QStringList lines = timers().listLines();
        ASSERT_EQ(lines.size(), 3);
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("NO.0 ")));
        EXPECT_TRUE(lines[1].endsWith(QStringLiteral("NO.2 ")));
        EXPECT_EQ(lines[2].toStdString(), std::string("每周重复 星期六 7时45分30秒 起始地址(32) "
                                                      "结束地址(32) ") +
                                              c.commandPart + " NO.1 ");
    }
}

TEST_F(TimerTasksTest, AddressDigitsInBothLayouts) {
    struct Case {
        int cmdForm;
        const char* address;
    };
    for (const Case& c :
         {Case{0, "起始地址(32) 结束地址(32)"}, Case{2, "起始地址(0302) 结束地址(0302)"}}) {
        SCOPED_TRACE(c.cmdForm);
        load(liveSlots({}, ("CmdForm=" + std::to_string(c.cmdForm) + "\n").c_str()));
        console->grid().setSelection({2, 1, 2, 1});
        ASSERT_EQ(timers().addPowerOn(schedule()).slot, 0);
        EXPECT_TRUE(timers().listLines().value(0).contains(QString::fromUtf8(c.address)))
            << timers().listLines().value(0).toStdString();
    }
}

TEST_F(TimerTasksTest, RefusedAddsStoreNothing) {
    struct Case {
        const char* what;
        QByteArray file;
        std::function<TimerTasks::Added(TimerTasks&)> add;
        bool ok;
        const char* message;
    };
    std::initializer_list<int> all = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                      13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                      26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38,
                                      39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49};
    const Case cases[] = {
        {"a full table says so", liveSlots(all),
         [](TimerTasks& t) { return t.addPowerOn(schedule()); }, false, "50 个定时任务已全部使用"},
        {"a full table refuses every kind", liveSlots(all, "[Wall]\nWall_Mode0_En=1\n"),
         [](TimerTasks& t) { return t.addPlanRecall(schedule(), 0); }, false,
         "50 个定时任务已全部使用"},
        {"a plan never saved", liveSlots({}),
         [](TimerTasks& t) { return t.addPlanRecall(schedule(), 5); }, false, "没有保存此预案"},
        {"empty command", liveSlots({}),
         [](TimerTasks& t) { return t.addCustom(schedule(), {}, QStringLiteral("1")); }, false,
         "命令或参数为空!"},
        {"empty parameter", liveSlots({}),
         [](TimerTasks& t) { return t.addCustom(schedule(), QStringLiteral("c9"), {}); }, false,
         "命令或参数为空!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(c.file);
        const QByteArray before = readFile();
        const TimerTable table = console->state().timers;
        const QStringList lines = timers().listLines();
        const TimerTasks::Added added = c.add(timers());
        EXPECT_EQ(added.result.ok, c.ok);
        EXPECT_EQ(added.result.message.toStdString(), c.message);
        EXPECT_FALSE(added.slot.has_value());
        EXPECT_EQ(readFile(), before);
        EXPECT_EQ(console->state().timers, table);
        EXPECT_EQ(timers().listLines(), lines);
    }
}

TEST_F(TimerTasksTest, CustomTaskReadsTheTypedHex) {
    load(liveSlots({}));
    ASSERT_EQ(timers().addCustom(schedule(), QStringLiteral("ZZ"), QStringLiteral("ZZ")).slot, 0);
    EXPECT_EQ(slot(0).ucCommand, 0x00);
    EXPECT_EQ(slot(0).ucCommandParameter, 0x00);
    EXPECT_EQ(fileInt("NO.0", "TimerSystem.ucCommand"), 0);
}

TEST_F(TimerTasksTest, DeleteFreesTheSlotNamedAtTheLineEnd) {
    struct Case {
        int slot;
        int row;
    };
    for (const Case& c : {Case{12, 1}, Case{7, 0}}) {
        SCOPED_TRACE(c.slot);
        load(liveSlots({7, 12}));
        ASSERT_EQ(timers().listLines().size(), 2);
        timers().deleteLine(c.row);
        EXPECT_EQ(slot(c.slot).bEnable, 0);
        EXPECT_EQ(slot(19 - c.slot).bEnable, 1); // the other one
        EXPECT_EQ(fileInt("NO." + std::to_string(c.slot), "TimerSystem.bEnable"), 0);
        // Only the flag is rewritten; the other keys stay in the file.
        EXPECT_EQ(fileInt("NO." + std::to_string(c.slot), "TimerSystem.wHour"), c.slot);
        ASSERT_EQ(timers().listLines().size(), 1);
        EXPECT_TRUE(timers().listLines()[0].endsWith(QStringLiteral("NO.%1 ").arg(19 - c.slot)));
    }
}

TEST_F(TimerTasksTest, DeleteWithoutASelectedLineDoesNothing) {
    load(liveSlots({3}));
    const QByteArray before = readFile();
    timers().deleteLine(-1);
    timers().deleteLine(1);
    EXPECT_EQ(readFile(), before);
    EXPECT_EQ(slot(3).bEnable, 1);
}

TEST_F(TimerTasksTest, DeleteBySlotFreesItAndItsLine) {
    load(liveSlots({4, 40}));
    timers().deleteSlot(40);
    EXPECT_EQ(slot(40).bEnable, 0);
    EXPECT_EQ(fileInt("NO.40", "TimerSystem.bEnable"), 0);
    ASSERT_EQ(timers().listLines().size(), 1);
    EXPECT_TRUE(timers().listLines()[0].endsWith(QStringLiteral("NO.4 ")));
}

TEST_F(TimerTasksTest, TheSwitchIsWrittenAtOnce) {
    load(liveSlots({}));
    EXPECT_FALSE(timers().enabled());
    timers().setEnabled(true);
    EXPECT_TRUE(console->state().settings.timerSystemEnabled);
    EXPECT_EQ(fileInt("TimerSystem", "Enable"), 1);
    timers().setEnabled(false);
    EXPECT_EQ(fileInt("TimerSystem", "Enable"), 0);
}

TEST_F(TimerTasksTest, AnOccupiedButNotLiveSlotIsSkippedAndNotListed) {
    load("[NO.0]\nTimerSystem.bEnable=2\n");
    EXPECT_TRUE(timers().listLines().isEmpty());
    EXPECT_EQ(timers().addPowerOn(schedule()).slot, 1);
}

TEST(TaskScheduleDate, ThePickedDateSetsTheLists) {
    struct Case {
        QDate date;
        int month, day, weekday;
    };
    const Case cases[] = {
        {QDate(2025, 6, 14), 6, 14, 6}, // a Saturday
        {QDate(2025, 6, 15), 6, 15, 0}, // a Sunday
        {QDate(2025, 1, 31), 1, 30, 5}, // the 31st selects day 30
    };
    for (const Case& c : cases) {
        TaskSchedule s;
        s.setDate(c.date);
        EXPECT_EQ(s.year, c.date.year());
        EXPECT_EQ(s.month, c.month);
        EXPECT_EQ(s.day, c.day);
        EXPECT_EQ(s.weekday, c.weekday);
    }
}

} // namespace
