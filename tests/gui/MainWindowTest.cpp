#include "ConsoleWindowFixture.h"
#include "support/PtyPair.h"
#include "wall/PageReads.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <functional>

using namespace wall;
using namespace wall::test;

namespace {

// A wall link on a pseudo-terminal, so that start-up opens it.
QByteArray wallLinkOn(const PtyPair& pty) {
    return "[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n";
}

class MainWindowTest : public ConsoleWindowFixture {};

TEST_F(MainWindowTest, WithoutASettingsFileTheFactoryWallStarts) {
    start();
    EXPECT_TRUE(fileExists());
    EXPECT_TRUE(readFile().isEmpty()) << "start-up writes nothing";
    const ConsoleState& s = console->state();
    EXPECT_EQ(s.grid.rows(), 3);
    EXPECT_EQ(s.grid.cols(), 3);
    EXPECT_EQ(s.settings.BoardSel, 4);
    EXPECT_EQ(console->frameFormat(), FrameFormat::Short);
    EXPECT_EQ(s.serialDevice(1).portNo, 1);
    EXPECT_EQ(s.serialDevice(1).baudRate(), 9600);
    for (int d = 2; d <= kDeviceCount; ++d)
        EXPECT_FALSE(devices->link(d).isOpen()) << "device " << d;
    // The opening size, fitted to the (small) offscreen screen.
    EXPECT_EQ(window->size(), window->size().boundedTo(MainWindow::openingSize()));
    EXPECT_EQ(window->size(), window->size().expandedTo(MainWindow::smallestSize()));

    window->show();
    WallGridWidget* grid = find<WallGridWidget>(QStringLiteral("StringGrid1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("2:3  "));
    EXPECT_EQ(grid->cellText(2, 2), QStringLiteral("3:3  "));
}

TEST_F(MainWindowTest, ClosingWritesOnlyThePopCountThePollingSwitchAndTheWindowPlace) {
    PtyPair pty;
    const QByteArray original = wallLinkOn(pty);
    writeFile(original);
    start();
    console->state().settings.Language = 1; // changed in memory, never saved
    console->state().pops.listLeng = 3;
    console->state().settings.matrixRollOn = true;
    window->resize(1100, 750);
    window->close();
    EXPECT_EQ(readFile(), original + "[WallPopList]\nListLeng=3\n[MatrixRoll]\nOnOff=1\n" +
                              QStringLiteral("[Unit1]\nFormLeft=%1\nFormTop=%2\nFormWidth=1100\n"
                                             "FormHeight=750\n")
                                  .arg(window->x())
                                  .arg(window->y())
                                  .toUtf8());
}

TEST_F(MainWindowTest, EveryMenuItemCarriesItsComponentNameAndCaption) {
    start(true);
    struct Item {
        const char* name;
        const char* chinese;
        const char* english;
    };
    const Item items[] = {
        {"N14", "高级功能", "Advanced"},
        {"N22", "定时系统", "Timer"},
        {"N30", "幕墙开机", "WallPower"},
        {"N31", "幕墙关机", "WallOff"},
        {"N6", "退出", "Exit"},
        {"N7", "串口设置", "COM"},
        {"N9", "矩阵设置", "Matrix"},
        {"N5", "幕墙设置", "WallUnit"},
        {"N24", "幕墙颜色", "WallColor"},
        {"N10", "标志设置", "Logo"},
        {"N8", "系统设置", "Options"},
        {"N21", "虚拟键盘", "Key"},
        {"N26", "云台控制", "PTZ"},
        {"N19", "串口显示", "ComDisp"},
        {"N62", "温度控制", "TemperatureControl"},
        {"N63", "轮询设置", "Roll Polling"},
        {"N17", "中文", "中文"},
        {"N18", "English", "English"},
        {"u1", "关于", "About"},
        {"N11", "帮助", "Help"},
        {"N16", "输入控制", "Inputer"},
        {"N55", "读信号源", "Read Source"},
        {"N33", "经典", "Classic"},
        {"N48", "水晶", "Crystal"},
    };
    for (const Item& item : items) {
        QAction* a = find<QAction>(QLatin1String(item.name));
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(item.chinese)) << item.name;
    }
    EXPECT_FALSE(find<QMenu>(QStringLiteral("N32"))->menuAction()->isVisible());
    EXPECT_EQ(find<QMenu>(QStringLiteral("N32"))->title(), QStringLiteral("背景设置"));
    const char* tabs[] = {"图像处理", "视窗处理", "画 中 画",     "  系    统  ", "测试画面",
                          "光机控制", "调试助手", "  漫    游  ", "图像调整"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(i),
                  QString::fromUtf8(tabs[i]));
    EXPECT_TRUE(find<QAction>(QStringLiteral("N17"))->isChecked());

    find<QAction>(QStringLiteral("N18"))->trigger();
    for (const Item& item : items)
        EXPECT_EQ(find<QAction>(QLatin1String(item.name))->text(), QString::fromUtf8(item.english))
            << item.name;
    EXPECT_EQ(find<QMenu>(QStringLiteral("N1"))->title(), QStringLiteral("System"));
    EXPECT_EQ(find<QMenu>(QStringLiteral("N32"))->title(), QStringLiteral("Style"));
    const char* englishTabs[] = {"Image", "Windows", "PIP",     "System", "TestPattern",
                                 "DLP",   "Debug",   "Roaming", "Adjust"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(i),
                  QLatin1String(englishTabs[i]));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" LCD Tavrel"));
    EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(7),
              QStringLiteral("Roaming"));
    EXPECT_TRUE(find<QAction>(QStringLiteral("N18"))->isChecked());
    EXPECT_THAT(readFile().toStdString(), testing::HasSubstr("Language=1"));

    find<QAction>(QStringLiteral("N17"))->trigger();
    EXPECT_EQ(find<QAction>(QStringLiteral("N7"))->text(), QStringLiteral("串口设置"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("液晶幕墙系统软件"));
}

TEST_F(MainWindowTest, EachWindowItemOpensItsWindow) {
    start(true);
    const char* pairs[][2] = {{"N14", "Form13"}, {"N8", "Form9"},   {"u1", "Form5"},
                              {"N11", "Form12"}, {"N7", "Form27"},  {"N5", "Form4"},
                              {"N24", "Form30"}, {"N31", "Form2"},  {"N9", "Form10"},
                              {"N63", "Form35"}, {"N22", "Form26"}, {"N10", "Form11"},
                              {"N21", "Form23"}, {"N19", "Form24"}, {"N62", "Form33"},
                              {"N26", "Form31"}, {"N16", "Form14"}};
    for (const auto& [item, form] : pairs) {
        find<QAction>(QLatin1String(item))->trigger();
        QWidget* w = window->window(QLatin1String(form));
        ASSERT_NE(w, nullptr) << form;
        EXPECT_TRUE(w->isVisible()) << item << " opens " << form;
        EXPECT_FALSE(w->windowTitle().isEmpty()) << form;
        w->close();
    }
    struct Title {
        const char* form;
        const char* chinese;
        const char* english;
    };
    const Title titles[] = {
        {"Form2", "关机", "Shutdown"},
        {"Form4", "幕墙设置", "Wall Unit"},
        {"Form5", "关于", "About"},
        {"Form9", "系统设置", "Options"},
        {"Form10", "矩阵设置", "Matrix"},
        {"Form11", "标志设置", "Logo"},
        {"Form13", "高级功能", "Advanced Features"},
        {"Form14", "输入控制", "Input Source"},
        {"Form23", "虚拟键盘", "Key"},
        {"Form24", "串口信息显示窗口", "Com Display Window"},
        {"Form26", "定时系统", "Timer"},
        {"Form27", "串口设置", "COM Set"},
        {"Form30", "颜色工具栏", "Wall Color"},
        {"Form31", "云台控制", "PTZ control"},
        {"Form33", "温度控制", "温度控制"},
        {"Form35", "轮询设置", "Roll Polling"},
    };
    for (const Title& t : titles)
        EXPECT_EQ(window->window(QLatin1String(t.form))->windowTitle(),
                  QString::fromUtf8(t.chinese))
            << t.form;
    window->SetLanguage(1);
    for (const Title& t : titles)
        EXPECT_EQ(window->window(QLatin1String(t.form))->windowTitle(),
                  QString::fromUtf8(t.english))
            << t.form;
}

TEST_F(MainWindowTest, StartUpShowsOnlyTheRoamingOrPipPageAndTheAdjustmentPage) {
    struct Case {
        QByteArray file;
        int shown;
    };
    for (const Case& c : {Case{"", 7}, Case{"[SETTING]\nbManYou=0\n", 2}}) {
        writeFile(c.file);
        start();
        auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(pages->isTabVisible(i), i == c.shown || i == 8) << "tab " << i;
        window.reset();
    }
}

TEST_F(MainWindowTest, MenuRulesFollowTheAvProtocol) {
    struct Case {
        int av;
        bool camera, panasonic;
    };
    for (const Case& c : {Case{5, true, false}, Case{16, true, false}, Case{88, false, true},
                          Case{0, false, false}}) {
        writeFile("[Matrix]\nAV_Company=" + QByteArray::number(c.av) + "\n");
        start();
        EXPECT_EQ(find<QAction>(QStringLiteral("N26"))->isVisible(), c.camera) << c.av;
        EXPECT_EQ(find<QAction>(QStringLiteral("N63"))->isVisible(), c.camera) << c.av;
        EXPECT_EQ(find<QAction>(QStringLiteral("PanasonicLogin1"))->isVisible(), c.panasonic)
            << c.av;
        EXPECT_EQ(find<QAction>(QStringLiteral("PanasonicLogout1"))->isVisible(), c.panasonic);
        window.reset();
    }
}

TEST_F(MainWindowTest, TheTickShowsTheClockAndSkipsWhileAHandlerWaits) {
    PtyPair pty;
    writeFile(wallLinkOn(pty));
    start(true);
    window->Timer1Timer();
    const QString clock = window->statusText(5);
    EXPECT_TRUE(QDateTime::fromString(clock, QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid())
        << clock.toStdString();

    // A second later the clock reads differently, unless the tick is skipped.
    QString duringPause;
    QTimer::singleShot(1100, [&] {
        window->Timer1Timer();
        duringPause = window->statusText(5);
    });
    pacer->pause(2500);
    EXPECT_EQ(duringPause, clock) << "no tick while the pause runs";
    window->Timer1Timer();
    EXPECT_NE(window->statusText(5), clock);
}

TEST_F(MainWindowTest, ProductItemsAreNamedByWhatSetsTheirBoardApart) {
    start(true);
    const struct {
        const char* item;
        int board;
        const char* chinese;
        const char* english;
    } items[] = {{"N51", 4, "4 (标准)", "4 (standard)"},
                 {"N56", 8, "8 (四画面)", "8 (four pictures)"},
                 {"N59", 10, "10 (光机, 画中画)", "10 (optical engine, PIP)"},
                 {"N57", 1, "1 (温度控制)", "1 (temperature control)"}};
    for (const auto& i : items)
        EXPECT_EQ(find<QAction>(QLatin1String(i.item))->text(), QString::fromUtf8(i.chinese));
    window->SetLanguage(1);
    for (const auto& i : items) {
        QAction* a = find<QAction>(QLatin1String(i.item));
        EXPECT_EQ(a->text(), QString::fromUtf8(i.english));
        a->trigger();
        EXPECT_EQ(console->state().settings.BoardSel, i.board);
        EXPECT_TRUE(a->isChecked());
    }
}

TEST_F(MainWindowTest, QtsOwnButtonsFollowTheLanguageAndBoxesCarryTheCaption) {
    start(true);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_TRUE(QGuiApplication::applicationDisplayName().isEmpty() ||
                QGuiApplication::applicationDisplayName() == QStringLiteral("gui_tests"))
        << "window titles stay as they are";
    window->SetLanguage(1);
    QDialogButtonBox english(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(english.button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    window->SetLanguage(0);
}

TEST_F(MainWindowTest, StatusBarReportsTheWallLink) {
    PtyPair pty;
    writeFile(wallLinkOn(pty) + "Baud=12\nPortNo=4\n[SETTING]\nbReadEn=1\n");
    start(true);
    EXPECT_EQ(window->statusText(0), QStringLiteral("串口: ") + pty.slavePath())
        << "the port really used, not COM4";
    EXPECT_EQ(window->statusText(1), QStringLiteral("波特率: 115200"));
    EXPECT_EQ(window->statusText(2), QStringLiteral("串口状态: 打开"));
    EXPECT_EQ(window->statusText(3), QStringLiteral("读取状态: "));
    window->SetLanguage(1);
    EXPECT_EQ(window->statusText(3), QStringLiteral("Read State: "));
    EXPECT_EQ(window->statusText(0), QStringLiteral("Serial: ") + pty.slavePath());
    EXPECT_EQ(window->statusText(1), QStringLiteral("Baud: 115200"));
    EXPECT_EQ(window->statusText(2), QStringLiteral("Com Satus: Open"));

    // A pulled cable: reported, and the console carries on.
    pty.unplug();
    EXPECT_TRUE(waitUntil(
        [&] { return window->statusText(4).contains(QStringLiteral("YbCommDevice1")); }, 5000));
    EXPECT_EQ(window->statusText(2), QStringLiteral("Com Satus: failure"));
    EXPECT_TRUE(console->buttonWrite(0x41, 50).ok) << "writes to the closed link are dropped";
    EXPECT_EQ(window->statusText(4), QStringLiteral("Port not open: nothing sent"))
        << "and said so";
}

TEST_F(MainWindowTest, EveryCommandSaysWhatItDidInTheStatusBar) {
    PtyPair pty;
    writeFile(wallLinkOn(pty) + "[SETTING]\nbReadEn=1\nCmdDelayTime10Ms=1\nRow=4\nCol=4\n");
    start(true);
    const auto status = [&] { return window->statusText(4); };
    console->grid().setSelection({0, 0, 1, 1});
    struct Step {
        const char* what;
        std::function<void()> act;
        QString chinese;
    };
    const Step steps[] = {
        {"power on", [&] { find<QAction>(QStringLiteral("N30"))->trigger(); },
         QStringLiteral("已发送 开机 → 4 个屏幕")},
        {"a write", [&] { console->buttonWrite(0x41, 50); },
         QStringLiteral("已发送 写 0x41=50 → 4 个屏幕")},
        {"an action step", [&] { console->buttonIncDec(0x5A, 1); },
         QStringLiteral("已发送 调节 0x5A (1) → 4 个屏幕")},
        {"a source", [&] { console->switchMainSource(10, false); },
         QStringLiteral("已发送 信号源 DVI → 4 个屏幕")},
        {"power off", [&] { console->powerOff(); }, QStringLiteral("已发送 关机 → 4 个屏幕")},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(status(), s.chinese) << s.what;
    }

    // A staggered power-on counts up in the status bar, and its count gives
    // way to the outcome.
    console->state().settings.PowerDelayTime10Ms = 1;
    find<QAction>(QStringLiteral("N30"))->trigger();
    EXPECT_EQ(status(), QStringLiteral("已发送 开机 → 4 个屏幕"));

    QStringList seen;
    console->setNoticeListener([&](const QString& t) { seen << t; });
    // The source read names the screens that did not answer.
    window->SetLanguage(1);
    seen.clear();
    console->grid().setSelection({0, 0, 3, 3});
    find<QAction>(QStringLiteral("N55"))->trigger();
    EXPECT_EQ(seen.last(), QStringLiteral("Read sources: 16 of 16 screens did not answer: 1:1, "
                                          "1:2, 1:3, 1:4, 2:1, 2:2, 2:3, 2:4, 3:1, 3:2, 3:3, 3:4 "
                                          "and 4 more"));

    // Read all shows how far it has come.
    seen.clear();
    console->grid().setSelection({0, 0, 0, 0});
    console->readAll();
    ASSERT_GE(seen.size(), 2);
    // Every read of the adjustment and roaming pages, then one per screen.
    const int total = int(pageReads(kAdjustPage).size() + pageReads(kRoamingPage).size()) + 1;
    EXPECT_EQ(seen.first(), QStringLiteral("Read all 1/%1").arg(total));
    EXPECT_TRUE(seen.contains(QStringLiteral("Read all %1/%1").arg(total)));
    EXPECT_TRUE(seen.contains(QStringLiteral("Read sources: 1 of 1 screens did not answer: 1:1")));
}

} // namespace

namespace {

class SettingsFileTest : public ConsoleWindowFixture {};

TEST_F(SettingsFileTest, ASettingsFileThatCannotBeWrittenIsSaidAndTheConsoleRuns) {
    // A settings path below a regular file can be neither created nor saved.
    writeFile("[SETTING]\n");
    store = std::make_unique<SettingsStore>(path() + QStringLiteral("/Setting.ini"));
    pacer = std::make_unique<UiPacer>();
    devices = std::make_unique<SerialDevices>(*pacer);
    console = std::make_unique<Console>(*store, *devices);
    window = std::make_unique<MainWindow>(*console, *devices, *pacer);
    window->FormCreate();
    window->show();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.first().title, QStringLiteral("错误提示"));
    EXPECT_THAT(messages.first().text.toStdString(), testing::HasSubstr("设置文件无法写入"));
    EXPECT_EQ(readFile(), QByteArray("[SETTING]\n")) << "nothing else touched";
    EXPECT_EQ(console->grid().rows(), 3) << "the console runs on its defaults";
}

TEST(ConsoleProgram, APictureRunEndsOnItsOwnWhenTheSettingsCannotBeRead) {
    // Nobody is there to answer a box: each takes its default and is logged.
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("Setting.ini"));
    ASSERT_TRUE(QDir().mkpath(settings)); // a folder where the file should be
    const QString picture = dir.filePath(QStringLiteral("console.png"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer took;
    took.start();
    p.start(QStringLiteral(WALLCONSOLE_PATH),
            {QStringLiteral("--settings"), settings, QStringLiteral("--screenshot"), picture});
    ASSERT_TRUE(p.waitForFinished(15000)) << "no box waits for an answer";
    EXPECT_LT(took.elapsed(), 10000);
    EXPECT_EQ(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_THAT(err.toStdString(), testing::HasSubstr("cannot be read: it is a folder"));
    EXPECT_FALSE(QImage(picture).isNull()) << "the picture is saved";
    EXPECT_TRUE(QFileInfo(settings).isDir()) << "and the path is left as it was";
}

} // namespace
