// The console window driving the simulated wall over a pseudo-terminal.
#include "ConsoleWindowFixture.h"
#include "PtySimulator.h"

#include <QAction>
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
