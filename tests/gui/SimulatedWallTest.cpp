// The console window driving the simulated wall over a pseudo-terminal.
#include "ConsoleWindowFixture.h"
#include "PtySimulator.h"
#include "wall/WallGridWidget.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

#include <QPushButton>

#include <gtest/gtest.h>

using namespace wall;
using namespace wall::test;

namespace {

class ConsoleDrivesSimulator : public ConsoleWindowFixture {
protected:
    void startWith(const QByteArray& settings) {
        sim = std::make_unique<PtySimulator>(
            std::make_unique<SimulatedWall>(3, 3, FrameFormat::Short));
        QString error;
        ASSERT_TRUE(sim->start(error)) << error.toStdString();
        writeFile("[YbCommDevice1 Com Set]\nPortName=" + sim->slavePath().toUtf8() + "\n" +
                  settings);
        start(true);
        ASSERT_TRUE(devices->link(1).isOpen());
    }
    bool unitPower(int r, int c) const { return sim->wall().unit(r, c).power; }
    std::unique_ptr<PtySimulator> sim;
};

TEST_F(ConsoleDrivesSimulator, PowerOffAfterConfirmationThenStaggeredPowerOn) {
    startWith("[SETTING]\nPowerDelayTime10Ms=5\n");
    console->grid().setSelection({0, 0, 1, 1});
    find<QAction>(QStringLiteral("N31"))->trigger();
    QWidget* form2 = window->window(QStringLiteral("Form2"));
    ASSERT_TRUE(form2->isVisible());
    form2->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    EXPECT_FALSE(form2->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !unitPower(1, 1); }, 2000));
    EXPECT_FALSE(unitPower(0, 0));
    EXPECT_TRUE(unitPower(2, 2)) << "outside the selection";

    messages.clear();
    find<QAction>(QStringLiteral("N30"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return unitPower(1, 1); }, 2000));
    EXPECT_TRUE(unitPower(0, 1));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().title, QStringLiteral("信息提示框"));
    EXPECT_EQ(messages.first().text, QStringLiteral("完成开机!"));
    EXPECT_EQ(messages.first().icon, Modal::Icon::Information);
}

TEST_F(ConsoleDrivesSimulator, SourcesSwitchedShowInTheSimulatorAndReadBackRelabelsTheGrid) {
    startWith("[SETTING]\nCmdDelayTime10Ms=30\nbReadEn=1\n");
    console->grid().setSelection({0, 0, 1, 0});
    ASSERT_TRUE(console->switchMainSource(10, false).ok); // DVI
    ASSERT_TRUE(waitUntil([&] { return sim->wall().unit(0, 1).sourceWire == 14; }, 2000));
    sim->wall().unit(0, 1).sourceWire = 15; // changed at the wall itself: HDMI
    messages.clear();
    find<QAction>(QStringLiteral("N55"))->trigger();
    EXPECT_EQ(window->grid()->cellText(0, 0), QStringLiteral("1:1  DVI"));
    EXPECT_EQ(window->grid()->cellText(0, 1), QStringLiteral("1:2  HDMI"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().text, QStringLiteral("读取结束!"));
    EXPECT_EQ(window->statusText(3), QStringLiteral("读取状态: 成功"));
}

TEST_F(ConsoleDrivesSimulator, ACommandFileSavedLoadedAndApplied) {
    startWith("[SETTING]\nCmdDelayTime10Ms=30\nbReadEn=1\n");
    sim->wall().unit(0, 0).values[0x41] = 61;
    console->grid().setSelection({0, 0, 0, 0});
    ASSERT_TRUE(console->pageRead(8));
    const QString file = dirPath() + QStringLiteral("/wall");
    Modal::setFileHook([&](bool) { return file; });
    window->findChild<QPushButton*>(QStringLiteral("suiButton129"))->click(); // SAVE
    console->commandList().clear();
    window->findChild<QPushButton*>(QStringLiteral("suiButton130"))
        ->click(); // LOAD (as typed: no suffix)
    EXPECT_TRUE(console->commandList().isEmpty()) << "wall has no file: the saved one is wall.cfg";
    Modal::setFileHook([&](bool) -> QString { return file + QStringLiteral(".cfg"); });
    window->findChild<QPushButton*>(QStringLiteral("suiButton130"))->click();
    EXPECT_EQ(console->commandList().first(), QStringLiteral("CmdVidoBrightness:61"));
    Modal::setFileHook({});

    console->grid().setSelection({1, 1, 2, 2});
    window->findChild<QPushButton*>(QStringLiteral("suiButton131"))->click(); // APPLY
    EXPECT_TRUE(waitUntil([&] { return sim->wall().unit(2, 2).values.count(0x41) != 0; }, 2000));
    EXPECT_EQ(sim->wall().unit(2, 2).values.at(0x41), 61);
}

TEST_F(ConsoleDrivesSimulator, TheSubSourceReadSelectsTheBoardsEntry) {
    startWith("[SETTING]\nCmdDelayTime10Ms=30\nbReadEn=1\n[System]\nBoardSel=1\n");
    sim->wall().unit(0, 0).values[0x61] = 14; // DVI, the fourth source board 1 offers
    auto* list = window->findChild<QComboBox*>(QStringLiteral("suiComboBox1"));
    ASSERT_NE(list, nullptr);
    window->findChild<QPushButton*>(QStringLiteral("suiButton92"))->click();
    EXPECT_EQ(list->currentIndex(), 3);
    EXPECT_EQ(list->currentText(), QStringLiteral("DVI"));
    sim->wall().unit(0, 0).values[0x61] = 17; // wire 17 is VGA, which board 1 offers first
    window->findChild<QPushButton*>(QStringLiteral("suiButton92"))->click();
    EXPECT_EQ(list->currentIndex(), 0);
    Q_EMIT list->activated(2);
    EXPECT_NE(readFile().indexOf("suiComboBox1=2"), -1);
}

TEST_F(ConsoleDrivesSimulator, CancellingThePowerOffSendsNothing) {
    startWith("");
    QStringList frames;
    QObject::connect(sim.get(), &PtySimulator::framesDecoded,
                     [&](const QStringList& l) { frames << l; });
    find<QAction>(QStringLiteral("N31"))->trigger();
    window->window(QStringLiteral("Form2"))
        ->findChild<QPushButton*>(QStringLiteral("BitBtn2"))
        ->click();
    QTest::qWait(200);
    EXPECT_TRUE(frames.isEmpty());
    EXPECT_TRUE(sim->wall().unit(0, 0).power);
}

TEST_F(ConsoleDrivesSimulator, PowerOnAsOneFrameShowsNoMessage) {
    startWith("");
    sim->wall().unit(2, 2).power = false;
    console->grid().setSelection({0, 0, 2, 2});
    messages.clear();
    find<QAction>(QStringLiteral("N30"))->trigger();
    EXPECT_TRUE(waitUntil([&] { return unitPower(2, 2); }, 2000));
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
