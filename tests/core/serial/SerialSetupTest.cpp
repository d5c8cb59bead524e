#include "serial/SerialSetup.h"
#include "app/ConsoleState.h"
#include "app/SettingsStore.h"
#include "serial/TraceIo.h"
#include "support/IniFixture.h"

#include <gmock/gmock.h>

using namespace wall;

namespace {

// The check-box rules of the serial settings dialog on the flags and port
// numbers in memory. Devices 2 … 5 start on ports 2 … 5.
TEST(SerialSetupRules, TickingAndUntickingMatrixPorts) {
    struct Case {
        const char* what;
        std::array<int, 5> flagsBefore; // matrix, AV, VGA, DVI, YUV
        int box;                        // -1 the matrix box, else the MatrixKind
        bool ticked;
        std::array<int, 5> flagsAfter;
        std::array<int, 4> portsAfter; // devices 2 … 5
    };
    const Case cases[] = {
        {"matrix ticked", {0, 1, 1, 0, 0}, -1, true, {1, 0, 0, 0, 0}, {2, 0, 0, 0}},
        {"matrix unticked", {1, 0, 0, 0, 0}, -1, false, {0, 0, 0, 0, 0}, {0, 3, 4, 5}},
        {"VGA alone", {0, 0, 0, 0, 0}, 1, true, {0, 0, 1, 0, 0}, {0, 3, 0, 0}},
        {"VGA beside AV", {0, 1, 0, 0, 0}, 1, true, {0, 1, 1, 0, 0}, {2, 3, 0, 0}},
        {"YUV clears the matrix flag", {1, 0, 0, 0, 0}, 3, true, {0, 0, 0, 0, 1}, {0, 0, 0, 5}},
        {"DVI unticked", {0, 1, 0, 1, 0}, 2, false, {0, 1, 0, 0, 0}, {2, 3, 0, 5}},
    };
    for (const Case& c : cases) {
        auto state = std::make_unique<ConsoleState>();
        TraceIo io;
        PortRouting& r = state->routing;
        int* flags[] = {&r.matrixUseComOnly, &r.avMatrixUseComOnly, &r.vgaMatrixUseComOnly,
                        &r.dviMatrixUseComOnly, &r.yuvMatrixUseComOnly};
        for (int i = 0; i < 5; ++i)
            *flags[i] = c.flagsBefore[size_t(i)];
        for (int d = 2; d <= 5; ++d)
            state->serialDevice(d).portNo = d;
        if (c.box < 0)
            setMatrixUsesSeparatePort(*state, io, c.ticked);
        else
            setKindUsesSeparatePort(*state, io, static_cast<MatrixKind>(c.box), c.ticked);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(*flags[i], c.flagsAfter[size_t(i)]) << c.what << ", flag " << i;
        for (int d = 2; d <= 5; ++d) {
            EXPECT_EQ(state->serialDevice(d).portNo, c.portsAfter[size_t(d - 2)])
                << c.what << ", device " << d;
            EXPECT_EQ(io.link(d).isOpen(), c.portsAfter[size_t(d - 2)] != 0)
                << c.what << ": PortNo 0 closes device " << d;
        }
    }
}

class OpenProcedureTest : public wall::test::IniFixture {
protected:
    struct Ui final : PortSetupUi {
        QStringList events;
        bool confirm = false;
        TraceIo* io = nullptr;
        void showOpenError(int device, const QString&, const QString& text) override {
            // The system's reason is the line after the device's.
            events << QStringLiteral("error %1 %2").arg(device).arg(text.section(u'\n', 1, 1));
        }
        bool editAndOpen(int device, SerialSettings& s) override {
            events << QStringLiteral("dialog %1").arg(device);
            if (!confirm)
                return false;
            s.baud = 12;
            io->setOpenError(device, {});
            QString e;
            io->link(device).open(s, e);
            return true;
        }
    };
};

TEST_F(OpenProcedureTest, AFailedOpenShowsTheErrorThenTheDialogAndAConfirmationWritesTheNineKeys) {
    SettingsStore store(path());
    auto state = std::make_unique<ConsoleState>();
    state->serialDevice(3).portNo = 7;
    TraceIo io;
    for (int d = 1; d <= kDeviceCount; ++d)
        io.setOpen(d, false);
    io.setOpenError(1, QStringLiteral("no such port"));
    io.setOpenError(3, QStringLiteral("busy"));
    Ui ui;
    ui.io = &io;
    ui.confirm = true;
    openSerialDevices(*state, io, store, ui);
    EXPECT_EQ(ui.events,
              (QStringList{QStringLiteral("error 1 no such port"), QStringLiteral("dialog 1"),
                           QStringLiteral("error 3 busy"), QStringLiteral("dialog 3")}))
        << "devices 2, 4 and 5 have PortNo 0 and are left alone";
    EXPECT_EQ(
        readFile(),
        QByteArray("[YbCommDevice1 Com Set]\nPortNo=1\nBaud=12\nParity=0\nByteSize=8\n"
                   "StopBits=0\nFlowControl=0\nAutoAnswer=0\nInBufSize=8192\nOutBufSize=8192\n"
                   "[YbCommDevice3 Com Set]\nPortNo=7\nBaud=12\nParity=0\nByteSize=8\n"
                   "StopBits=0\nFlowControl=0\nAutoAnswer=0\nInBufSize=8192\nOutBufSize=8192\n"));
    EXPECT_TRUE(io.link(1).isOpen());
}

TEST_F(OpenProcedureTest, ACancelledDialogWritesNothingAndLeavesTheDeviceClosed) {
    SettingsStore store(path());
    auto state = std::make_unique<ConsoleState>();
    TraceIo io;
    io.setOpen(1, false);
    io.setOpenError(1, QStringLiteral("no such port"));
    Ui ui;
    EXPECT_FALSE(openDevice(1, *state, io, store, ui));
    EXPECT_EQ(ui.events.size(), 2);
    EXPECT_TRUE(readFile().isEmpty());
    EXPECT_EQ(wallLinkStatus(0, state->serialDevice(1), io.link(1).isOpen()).state,
              QStringLiteral("串口状态: 打开失败"));
}

} // namespace

namespace {

TEST(WallLinkStatusText, NamesThePortReallyUsed) {
    struct Case {
        int language;
        int portNo;
        const char* portName;
        const char* expected;
    };
    const Case cases[] = {
        {0, 3, "", "串口: COM3"},
        {0, 1, "/dev/ttyUSB0", "串口: /dev/ttyUSB0"},
        {1, 1, "/dev/pts/4", "Serial: /dev/pts/4"},
        {1, 2, "", "Serial: COM2"},
    };
    for (const Case& c : cases) {
        SerialSettings s = SerialSettings::defaultsFor(1);
        s.portNo = c.portNo;
        s.portName = QString::fromUtf8(c.portName);
        EXPECT_EQ(wallLinkStatus(c.language, s, true).port, QString::fromUtf8(c.expected));
    }
}

TEST(OpenFailureText, SaysWhichDeviceFailedWhyAndWhatToDoNext) {
    SerialSettings wall = SerialSettings::defaultsFor(1);
    wall.portName = QStringLiteral("/dev/ttyUSB3");
    const OpenFailure zh = openFailure(0, 1, wall, QStringLiteral("No such file or directory"));
    EXPECT_EQ(zh.title, QStringLiteral("错误提示"));
    EXPECT_EQ(zh.text, QStringLiteral("串口设备 1（幕墙）无法打开端口 /dev/ttyUSB3：\n"
                                      "No such file or directory\n\n"
                                      "请在接下来的串口设置对话框中选择可用的端口；"
                                      "取消则软件在该设备关闭的情况下继续运行。"));
    SerialSettings matrix = SerialSettings::defaultsFor(3);
    matrix.portNo = 7;
    const OpenFailure en = openFailure(1, 3, matrix, QStringLiteral("Permission denied"));
    EXPECT_EQ(en.title, QStringLiteral("Error"));
    EXPECT_EQ(en.text.section(u'\n', 0, 1),
              QStringLiteral("Serial device 3 (a matrix link) could not open port ") +
                  systemPortName(matrix) + QStringLiteral(":\nPermission denied"));
    EXPECT_TRUE(en.text.endsWith(QStringLiteral("cancel it to run with this device closed.")));
}

} // namespace
