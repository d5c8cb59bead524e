// The console core writes to the simulated wall and reads the value back,
// through a pseudo-terminal, in each frame format.
#include "PtySimulator.h"
#include "SerialDevices.h"
#include "app/Console.h"
#include "app/SettingsStore.h"
#include "matrix/InputRouting.h"
#include "plans/PlanRecall.h"
#include "plans/PlanStore.h"
#include "support/EventLoopPacer.h"
#include "wall/BoardSources.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace wall;

namespace {

// A console on its own settings file whose wall link is the simulated wall.
struct SimulatedWallConsole {
    SimulatedWallConsole(int cmdForm, const QByteArray& settings)
        : sim(std::make_unique<SimulatedWall>(3, 3, frameFormatFor(cmdForm))) {
        QString error;
        EXPECT_TRUE(sim.start(error)) << error.toStdString();
        ini = dir.filePath(QStringLiteral("Setting.ini"));
        QFile f(ini);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(settings + "\n[YbCommDevice1 Com Set]\nPortName=" + sim.slavePath().toUtf8() +
                "\n");
        f.close();
        store = std::make_unique<SettingsStore>(ini);
        console = std::make_unique<Console>(*store, devices);
        console->load(dir.path());
        EXPECT_TRUE(devices.link(1).open(console->state().serialDevice(1), error))
            << error.toStdString();
    }
    PtySimulator sim;
    QTemporaryDir dir;
    QString ini;
    test::EventLoopPacer pacer;
    SerialDevices devices{pacer};
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Console> console;
};

TEST(ReadBackEndToEnd, BrightnessWrittenIsReadBackInEveryFormat) {
    for (int cmdForm : {0, 1, 2}) {
        SimulatedWallConsole on(cmdForm, "[SETTING]\nCmdDelayTime10Ms=50\nCmdForm=" +
                                             QByteArray::number(cmdForm));
        Console& console = *on.console;
        console.grid().setSelection({1, 0, 2, 1});

        ASSERT_TRUE(console.buttonWrite(0x41, 50).ok);
        ASSERT_TRUE(console.buttonWrite(0x80, 73).ok);
        const ReadEvent brightness = console.readParameter(0x41, ReadKind::Slider);
        EXPECT_TRUE(brightness.ok) << "format " << cmdForm;
        EXPECT_EQ(brightness.reply.value, 50) << "format " << cmdForm;
        EXPECT_EQ(on.sim.wall().unit(0, 1).values.at(0x41), 50);

        const ReadEvent position = console.readParameter(0x80, ReadKind::Slider);
        EXPECT_TRUE(position.ok) << "format " << cmdForm;
        EXPECT_EQ(position.reply.value, 73) << "format " << cmdForm;
        if (cmdForm == 1) {
            EXPECT_EQ(position.reply.maximum, SimulatedWall::kSliderMaximum) << "two records";
        }

        console.grid().setSelection({0, 0, 2, 2});
        ASSERT_TRUE(console.buttonIncDec(0x30, 14).ok); // every screen to DVI
        EXPECT_TRUE(console.getMainSource()) << "format " << cmdForm;
        EXPECT_EQ(console.grid().source(8), 10) << "format " << cmdForm;
    }
}

TEST(ReadBackEndToEnd, ALateAnswerToAnEarlierReadIsNotTakenByTheNextRead) {
    SimulatedWallConsole on(0, "[SETTING]\nCmdDelayTime10Ms=0");
    Console& console = *on.console;
    ASSERT_TRUE(console.buttonWrite(0x80, 100).ok);

    // Without polls the read gives up at once; the wall's answer (100)
    // arrives afterwards and waits on the link.
    EXPECT_FALSE(console.readParameter(0x80, ReadKind::Slider).ok);
    on.pacer.pause(200);
    console.state().settings.CmdDelayTime10Ms = 50;
    ASSERT_TRUE(console.buttonWrite(0x80, 30).ok);
    const ReadEvent read = console.readParameter(0x80, ReadKind::Slider);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.reply.value, 30) << "the late 100 is not this read's answer";
}

TEST(ReadBackEndToEnd, AnInputRoutingSwitchesTheSimulatedScreens) {
    // The matrix shares the wall link: its frames reach the units as noise.
    SimulatedWallConsole on(0, "[SETTING]\nMatrixToScreenTime=20\n[Matrix]\nAV_Company=4\n"
                               "Matrix_AV_DelayTime=10\nRow=3\nCol=3");
    Console& console = *on.console;
    console.grid().setSelection({1, 0, 2, 1}); // 1:2-2:3
    RoutingChoice choice;
    choice.sourceCode = 2; // AV, through the AV matrix
    choice.inputItems.fill(2);
    ASSERT_TRUE(console.inputRouting().route(choice).ok);
    const int av = *sourceToWire(2);
    // The simulator answers on this thread: let it take the frames in.
    for (int i = 0; i < 300 && on.sim.wall().unit(1, 2).sourceWire != av; ++i)
        on.pacer.pause(10);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(on.sim.wall().unit(r, c).sourceWire, r <= 1 && c >= 1 ? av : 12)
                << r << ":" << c;
}

TEST(ReadBackEndToEnd, ARecalledPlanBringsTheSavedSourcesBackOnTheSimulatedWall) {
    SimulatedWallConsole on(0, "[SETTING]\nMatrixToScreenTime=0\n");
    Console& console = *on.console;
    const auto settle = [&](int screenCol, int wire) {
        for (int i = 0; i < 300 && on.sim.wall().unit(0, screenCol).sourceWire != wire; ++i)
            on.pacer.pause(10);
    };
    const int av = *sourceToWire(2), dvi = *sourceToWire(10), vga = *sourceToWire(0);
    // Two sources on the top row, saved as plan 3.
    console.grid().setSelection({0, 0, 0, 0});
    ASSERT_TRUE(console.switchMainSource(2, false).ok);
    console.grid().setSelection({1, 0, 1, 0});
    ASSERT_TRUE(console.switchMainSource(10, false).ok);
    settle(1, dvi);
    ASSERT_TRUE(console.plans().save(2).ok);
    // Others on both, then the plan again.
    console.grid().setSelection({0, 0, 1, 0});
    ASSERT_TRUE(console.switchMainSource(0, false).ok);
    settle(1, vga);
    ASSERT_EQ(on.sim.wall().unit(0, 0).sourceWire, vga);
    ASSERT_TRUE(console.planRecall().recall(2).ok);
    settle(1, dvi);
    EXPECT_EQ(on.sim.wall().unit(0, 0).sourceWire, av);
    EXPECT_EQ(on.sim.wall().unit(0, 1).sourceWire, dvi);
    EXPECT_EQ(console.grid().source(0), 2) << "the console's cells follow the plan too";
    EXPECT_EQ(console.grid().source(1), 10);
}

} // namespace
