// wallctl as a program, sending for real to a pseudo-terminal.
#include "support/PtyPair.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

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

QString settingsFor(const QTemporaryDir& dir, const PtyPair& pty, const QByteArray& extra) {
    const QString ini = dir.filePath(QStringLiteral("Setting.ini"));
    QFile f(ini);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(extra + "[YbCommDevice1 Com Set]\nPortName=" + pty.slavePath().toUtf8() + "\n");
    return ini;
}

TEST(WallctlSerial, ALinkLostMidSequenceStopsTheCommandAndCountsTheFramesNotSent) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    // Nine screens switched on 2 s apart.
    const QString ini = settingsFor(dir, pty, "[SETTING]\nPowerDelayTime10Ms=200\n");
    QProcess p;
    p.start(QStringLiteral(WALLCTL_PATH),
            {QStringLiteral("--settings"), ini, QStringLiteral("power"), QStringLiteral("on")});
    ASSERT_TRUE(p.waitForStarted());
    EXPECT_EQ(pty.read(14, 5000).size(), 14) << "two frames of seven bytes";
    const QByteArray lost =
        QByteArray("Serial device 1 (").append(pty.slavePath().toUtf8()).append(") was lost");
    QElapsedTimer sinceLoss;
    sinceLoss.start();
    pty.unplug();
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_LT(sinceLoss.elapsed(), 1000) << "stopped at once, not after the sequence";
    const QByteArray err = p.readAllStandardError();
    EXPECT_EQ(p.exitCode(), 1) << err.constData();
    EXPECT_TRUE(err.contains(lost)) << err.constData();
    EXPECT_TRUE(err.contains("7 frame(s) were not sent.")) << err.constData();
}

TEST(WallctlSerial, ATerminalThatNeverReadsEndsTheCommandAfterABoundedDrain) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    // The terminal's output is stopped, as by a device that never reads.
    ASSERT_EQ(::tcflow(pty.slave(), TCOOFF), 0) << std::strerror(errno);
    QTemporaryDir dir;
    const QString ini = settingsFor(dir, pty, {});
    QElapsedTimer took;
    took.start();
    const Result r =
        wallctl(ini, {QStringLiteral("write"), QStringLiteral("0x41"), QStringLiteral("50")});
    EXPECT_EQ(r.code, 1) << r.err.constData();
    EXPECT_LT(took.elapsed(), 8000) << "a few seconds past the line's own time";
    EXPECT_TRUE(r.err.contains("did not take 1 queued frame(s) in time; 1 frame(s) were not "
                               "sent."))
        << r.err.constData();
}

} // namespace
