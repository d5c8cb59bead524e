// wallctl as a program, sending for real to a pseudo-terminal.
#include "support/PtyPair.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <termios.h>
#include <thread>

using wall::test::PtyPair;

namespace {

struct Result {
    int code;
    QByteArray out, err;
};

Result wallctl(const QString& settings, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WALLCTL_PATH),
            QStringList{QStringLiteral("--settings"), settings} + args);
    p.waitForFinished(20000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(WallctlSerial, WritesTheExactFrameWithTheConfiguredSpeedAndStopBits) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[SETTING]\nCmdForm=1\nPowerDelayTime10Ms=30\n[YbCommDevice1 Com "
            "Set]\nPortNo=3\nBaud=12\nStopBits=2\nPortName=" +
            pty.slavePath().toUtf8() + "\n");
    f.close();

    const Result r =
        wallctl(ini, {QStringLiteral("--select"), QStringLiteral("1:1-2:2"),
                      QStringLiteral("write"), QStringLiteral("0x41"), QStringLiteral("300")});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty()) << "only a trace prints on stdout";
    EXPECT_EQ(pty.read(8, 3000).toHex(' '), QByteArray("fb b1 11 22 41 2c 01 ae"));

    // The port restores the terminal's settings when wallctl closes it, so
    // watch them during a staggered power-on, which holds the port 300 ms.
    std::atomic<bool> running{true}, sawSpeed{false}, sawStopBits{false};
    std::thread watch([&] {
        while (running) {
            if (pty.slaveSpeed() == B115200) {
                sawSpeed = true;
                sawStopBits = sawStopBits || pty.slaveTwoStopBits();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const Result power = wallctl(ini, {QStringLiteral("--select"), QStringLiteral("1:1"),
                                       QStringLiteral("power"), QStringLiteral("on")});
    running = false;
    watch.join();
    EXPECT_EQ(power.code, 0) << power.err.constData();
    EXPECT_EQ(pty.read(8, 3000).toHex(' '), QByteArray("fb b0 11 11 10 01 00 ae"));
    EXPECT_TRUE(sawSpeed) << "115200 baud while the port was open";
    EXPECT_TRUE(sawStopBits) << "two stop bits while the port was open";
}

TEST(WallctlSerial, AWallLinkThatCannotOpenFailsWithTheSystemsText) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[YbCommDevice1 Com Set]\nPortName=/dev/no-such-tty\n");
    f.close();
    const Result r =
        wallctl(ini, {QStringLiteral("step"), QStringLiteral("16"), QStringLiteral("1")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("No such file or directory")) << r.err.constData();
}

} // namespace
