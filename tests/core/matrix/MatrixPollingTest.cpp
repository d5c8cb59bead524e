// Matrix polling on the virtual clock: which group goes out when, on which
// port, in which frames; the number fields of its window; the groups and
// routes as Setting.ini keeps them.

#include "matrix/MatrixPolling.h"
#include "support/TraceConsoleFixture.h"

#include <gmock/gmock.h>

#include <functional>

using namespace wall;
using namespace wall::test;

namespace {

const QDateTime kStart(QDate(2024, 3, 1), QTime(8, 0));

class MatrixPollingTest : public TraceConsoleFixture {
protected:
    MatrixPolling& polling() { return console->polling(); }

    // Loads the settings as the window's creation does, starts polling at
    // kStart and lets `seconds` timer turns pass, one a second. Each turn
    // that sends is told by an "at" line with its moment, then its trace.
    QStringList run(int seconds) {
        io.setNow(kStart);
        io.clear();
        started = polling().start();
        QStringList log;
        for (int s = 1; s <= seconds && polling().running(); ++s) {
            io.setNow(kStart.addSecs(s));
            const qsizetype before = io.lines().size();
            polling().step();
            if (io.lines().size() > before) {
                log << QStringLiteral("at +%1 s").arg(s);
                log << io.lines().mid(before);
            }
        }
        return log;
    }
    void loadPolling(const QByteArray& settings) {
        load(settings);
        polling().readConfig();
        notices.clear();
        console->setNoticeListener([this](const QString& line) { notices << line; });
    }

    CommandResult started;
    QStringList notices;
};

// Group g (0-based) enabled with routes input → output.
QByteArray group(int g, std::initializer_list<std::pair<int, int>> routes, bool enabled = true) {
    QByteArray s = "[MatrixRoll" + QByteArray::number(g) + "]\nEnable=" + (enabled ? "1" : "0") +
                   "\nCount=" + QByteArray::number(int(routes.size())) + "\n";
    int e = 0;
    for (const auto& [in, out] : routes) {
        const QByteArray n = QByteArray::number(e++);
        s += "SubRoll_En" + n + "=1\nSubRoll_In" + n + "=" + QByteArray::number(in) +
             "\nSubRoll_Out" + n + "=" + QByteArray::number(out) + "\n";
    }
    return s;
}

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList l;
    for (const char* t : texts)
        l << QLatin1String(t);
    return l;
}

// F4 <I> 21 <O> 00 <E> S[1..5], worked out by hand:
const char* const kIn1Out2 = "write 1 F4 01 21 02 00 00 24";     // 01+21+02 = 24
const char* const kIn3Out4 = "write 1 F4 03 21 04 00 00 28";     // 03+21+04 = 28
const char* const kIn200Out7 = "write 1 F4 C8 21 07 00 00 F0";   // C8+21+07 = F0, byte 5 00
const char* const kIn255Out255 = "write 1 F4 FF 21 FF 00 00 1F"; // FF+21+FF = 21F

TEST_F(MatrixPollingTest, GroupsGoOutInTurnEveryIntervalOnTheVirtualClock) {
    struct Case {
        const char* what;
        QByteArray settings;
        int seconds;
        bool running;
        std::vector<const char*> expected;
    };
    const QByteArray p10 = "[MatrixRoll]\nGroupCount=3\nspTime=10\n";
    const QByteArray a = group(0, {{1, 2}, {3, 4}});
    const QByteArray b = group(2, {{200, 7}});
    const Case cases[] = {
        {"no enabled group: the switch goes off at once and nothing is sent",
         p10 + group(0, {{1, 2}}, false),
         30,
         false,
         {}},
        {"P = 10 with groups A and B: A at 10 s, B at 20 s, A again at 30 s",
         p10 + a + group(1, {{9, 9}}, false) + b,
         35,
         true,
         {"at +10 s", kIn1Out2, "pause 21", kIn3Out4, "pause 21", "at +20 s", kIn200Out7,
          "pause 21", "at +30 s", kIn1Out2, "pause 21", kIn3Out4, "pause 21"}},
        {"input 200 and the highest numbers stay in one byte with byte 5 = 00",
         "[MatrixRoll]\nspTime=1\n" + group(0, {{200, 7}, {255, 255}}),
         1,
         true,
         {"at +1 s", kIn200Out7, "pause 21", kIn255Out255, "pause 21"}},
        {"one port for all matrices: device 2",
         "[YbCommDevice]\nMatrixUseComOnly=1\n[MatrixRoll]\nspTime=2\n" + group(0, {{1, 2}}),
         2,
         true,
         {"at +2 s", "write 2 F4 01 21 02 00 00 24", "pause 21"}},
        {"the AV matrix on its own port: device 2, whatever the AV protocol",
         "[YbCommDevice]\nAVMatrixUseComOnly=1\n[Matrix]\nAV_Company=4\n[MatrixRoll]\nspTime=2\n" +
             group(0, {{1, 2}}),
         2,
         true,
         {"at +2 s", "write 2 F4 01 21 02 00 00 24", "pause 21"}},
        {"only groups below the group count are polled",
         "[MatrixRoll]\nGroupCount=1\nspTime=1\n" + group(0, {{1, 2}}, false) + group(1, {{3, 4}}),
         3,
         false,
         {}},
        {"an enabled group without routes takes its turn and sends nothing",
         "[MatrixRoll]\nGroupCount=2\nspTime=1\n" + group(0, {}) + group(1, {{3, 4}}),
         2,
         true,
         {"at +2 s", kIn3Out4, "pause 21"}},
        {"numbers out of range in the file: the interval is brought to 1 … 3600, a route "
         "outside 1 … 255 is not sent",
         "[MatrixRoll]\nspTime=0\n" + group(0, {{300, 2}, {1, 0}, {1, 2}}),
         1,
         true,
         {"at +1 s", kIn1Out2, "pause 21"}},
    };
    for (const Case& c : cases) {
        loadPolling(c.settings);
        QStringList expected;
        for (const char* line : c.expected)
            expected << QLatin1String(line);
        EXPECT_EQ(run(c.seconds), expected) << c.what;
        EXPECT_EQ(started.ok, c.running) << c.what;
        EXPECT_EQ(polling().running(), c.running) << c.what;
        EXPECT_EQ(console->state().settings.matrixRollOn, c.running) << c.what;
        if (!c.running) {
            EXPECT_EQ(started.message, QStringLiteral("没有启用的轮询组, 轮询未启动")) << c.what;
        }
    }
}

TEST_F(MatrixPollingTest, EachSendingSaysWhatWentOutAndWhen) {
    loadPolling("[MatrixRoll]\nspTime=1\n" + group(0, {{1, 2}, {300, 2}}));
    run(1);
    EXPECT_EQ(polling().lastSent(), kStart.addMSecs(1000 + 21));
    EXPECT_EQ(notices.last(),
              QStringLiteral("08:00:01 矩阵轮询 组 001: 已发送 1 条路由, 1 条输入或输出超出 "
                             "1-255, 未发送"));
    io.setOpen(1, false);
    polling().step();
    EXPECT_THAT(notices.last().toStdString(),
                testing::HasSubstr("组 001: 串口未打开，未发送, 1 条输入或输出超出"));
}

TEST_F(MatrixPollingTest, StopAndRestartBeginTheCountAndTheListAgain) {
    loadPolling("[MatrixRoll]\nGroupCount=2\nspTime=2\n" + group(0, {{1, 2}}) + group(1, {{3, 4}}));
    std::vector<bool> heard;
    polling().setRunningListener([&](bool on) { heard.push_back(on); });
    run(3); // group 001 at 2 s
    polling().stop();
    EXPECT_FALSE(polling().running());
    EXPECT_FALSE(console->state().settings.matrixRollOn);
    io.clear();
    polling().step();
    EXPECT_TRUE(io.lines().isEmpty()) << "a step after stop sends nothing";
    // Started again: a full interval before the first group, and it is 001.
    EXPECT_EQ(run(2), lines({"at +2 s", kIn1Out2, "pause 21"}));
    EXPECT_EQ(heard, (std::vector<bool>{true, false, true}));
}

TEST_F(MatrixPollingTest, ATypedIntervalCountsFromTheNextStepAndIsSavedOnlyThen) {
    loadPolling("[MatrixRoll]\nspTime=10\n" + group(0, {{1, 2}}));
    polling().setTypedInterval(3);
    ASSERT_TRUE(polling().writeConfig());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("spTime=10\n"))
        << "no step has taken it yet";
    EXPECT_EQ(run(3), lines({"at +3 s", kIn1Out2, "pause 21"}));
    ASSERT_TRUE(polling().writeConfig());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("spTime=3\n"));
}

TEST_F(MatrixPollingTest, NumberFieldsKeepTheirDigitsAndClampWithABeep) {
    struct Case {
        const char* typed;
        int maximum;
        const char* shown;
        bool beep;
    };
    const Case cases[] = {
        {"0", 3600, "1", true},
        {"5000", 3600, "3600", true},
        {"3600", 3600, "3600", false},
        {"12a3", 3600, "123", false},
        {"abc", 3600, "", false},
        {"", 100, "", false},
        {"007", 100, "7", false},
        {"000", 100, "1", true},
        {"101", 100, "100", true},
        {"300", 255, "255", true},
        {"255", 255, "255", false},
        {" 4-2", 255, "42", false},
        {"99999999999999999999", 255, "255", true},
    };
    for (const Case& c : cases) {
        const RangedText r = rangeChecked(QString::fromLatin1(c.typed), c.maximum);
        EXPECT_EQ(r.text, QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(r.clamped, c.beep) << c.typed;
    }
}

TEST_F(MatrixPollingTest, RoutesAreAddedCheckedAndRenumberedWhenOneIsRemoved) {
    loadPolling("");
    EXPECT_FALSE(polling().group(4).enabled);
    for (int in : {1, 2, 3, 4})
        ASSERT_TRUE(polling().addEntry(4, 7, in, in + 10).ok);
    EXPECT_TRUE(polling().group(4).enabled) << "a group given a route is polled";

    const struct {
        int group, address, input, output;
    } refused[] = {{4, 7, 300, 1}, {4, 7, 0, 1},   {4, 7, 1, 256},
                   {4, 256, 1, 1}, {100, 0, 1, 1}, {-1, 0, 1, 1}};
    for (const auto& r : refused)
        EXPECT_FALSE(polling().addEntry(r.group, r.address, r.input, r.output).ok)
            << r.group << " " << r.address << " " << r.input << " " << r.output;
    EXPECT_EQ(polling().group(4).entries.size(), 4u);

    ASSERT_TRUE(polling().removeEntry(4, 1).ok);
    EXPECT_FALSE(polling().removeEntry(4, 3).ok) << "only three are left";
    const auto& entries = polling().group(4).entries;
    ASSERT_EQ(entries.size(), 3u);
    for (int e = 0; e < 3; ++e) {
        EXPECT_EQ(entries[size_t(e)].number, e);
        EXPECT_TRUE(entries[size_t(e)].used);
        EXPECT_EQ(entries[size_t(e)].address, 7);
    }
    EXPECT_EQ(entries[1].input, 3) << "the routes after the removed one moved up";
    EXPECT_EQ(entries[2].output, 14);

    for (int n = 0; n < MatrixPolling::kMaxEntries; ++n)
        ASSERT_TRUE(polling().addEntry(9, 0, 1, 1).ok) << n;
    EXPECT_EQ(polling().addEntry(9, 0, 1, 1).message, QStringLiteral("该组已有 100 条路由"));
}

TEST_F(MatrixPollingTest, SettingsWriteTheGroupsBelowTheCountAndReadBack) {
    loadPolling("[Other]\nKeep=1\n[MatrixRoll]\nOnOff=1\n");
    EXPECT_EQ(polling().groupCount(), 1);
    EXPECT_EQ(polling().interval(), 10);
    polling().setGroupCount(3);
    ASSERT_TRUE(polling().addEntry(0, 5, 200, 7).ok);
    ASSERT_TRUE(polling().addEntry(2, 0, 1, 2).ok);
    polling().setGroupEnabled(2, false);
    ASSERT_TRUE(polling().addEntry(3, 0, 1, 2).ok); // above the count: not saved
    ASSERT_TRUE(polling().writeConfig());
    EXPECT_EQ(readFile(), "[Other]\nKeep=1\n[MatrixRoll]\nOnOff=1\nGroupCount=3\nspTime=10\n"
                          "[MatrixRoll0]\nEnable=1\nCount=1\nSubRoll_En0=1\nSubRoll_Name0=0\n"
                          "SubRoll_Type0=0\nSubRoll_Addr0=5\nSubRoll_In0=200\nSubRoll_Out0=7\n"
                          "[MatrixRoll1]\nEnable=0\nCount=0\n"
                          "[MatrixRoll2]\nEnable=0\nCount=1\nSubRoll_En0=1\nSubRoll_Name0=0\n"
                          "SubRoll_Type0=0\nSubRoll_Addr0=0\nSubRoll_In0=1\nSubRoll_Out0=2\n");

    // Lowered to 1: group 2 is kept in memory but no longer written over.
    polling().setGroupCount(1);
    polling().setGroupEnabled(2, true);
    ASSERT_TRUE(polling().writeConfig());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("[MatrixRoll2]\nEnable=0\n"));

    loadPolling(readFile());
    EXPECT_EQ(polling().groupCount(), 1);
    const PollingEntry& e = polling().group(0).entries.at(0);
    EXPECT_TRUE(e.used);
    EXPECT_EQ(e.address, 5);
    EXPECT_EQ(e.input, 200);
    EXPECT_EQ(e.output, 7);

    // Counts past what the window can hold are brought into range.
    loadPolling("[MatrixRoll]\nGroupCount=500\nspTime=99999\n[MatrixRoll0]\nCount=5000\n");
    EXPECT_EQ(polling().groupCount(), 100);
    EXPECT_EQ(polling().interval(), 3600);
    EXPECT_EQ(polling().group(0).entries.size(), 100u);
}

} // namespace
