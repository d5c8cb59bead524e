#include "SerialDevice.h"
#include "support/PtyPair.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

using namespace wall;
using wall::test::PtyPair;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

SerialSettings settingsFor(const PtyPair& pty) {
    SerialSettings s = SerialSettings::defaultsFor(1);
    s.portName = pty.slavePath();
    return s;
}

// Waits until the device has `count` packages ready or the time is up, then
// reads them all.
QList<QByteArray> packages(SerialDevice& device, int count, int msecs) {
    QList<QByteArray> got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < count && clock.elapsed() < msecs) {
        char buffer[kReadBufferSize];
        const int n = device.readPackage(buffer, kReadBufferSize);
        if (n > 0)
            got << QByteArray(buffer, n);
        else
            QThread::msleep(5);
    }
    return got;
}

class SerialDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        QString error;
        ASSERT_TRUE(device.open(settingsFor(pty), error)) << error.toStdString();
        ASSERT_TRUE(device.isOpen());
    }
    PtyPair pty;
    SerialDevice device{1};
};

TEST_F(SerialDeviceTest, FramesLeaveByteForByteInOrder) {
    const QByteArray frames[] = {hex("FBB1122341 32AE"), hex("FBB0111141 0100AE"),
                                 hex("FBB1030104054132AE"), hex("00FF0D0A1B")};
    QByteArray all;
    for (const QByteArray& f : frames) {
        device.write(f);
        all += f;
    }
    EXPECT_EQ(pty.read(int(all.size()), 2000).toHex(' '), all.toHex(' '));
    EXPECT_TRUE(device.waitForWritten(1000));
    EXPECT_EQ(device.pendingBytes(), 0);
}

TEST_F(SerialDeviceTest, ReceivedBytesAreGroupedByTheFiftyMillisecondGap) {
    pty.write(hex("0102"));
    QThread::msleep(15);
    pty.write(hex("03")); // within 50 ms: the same package
    QThread::msleep(150);
    pty.write(hex("0405"));
    const QList<QByteArray> got = packages(device, 2, 2000);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], hex("010203"));
    EXPECT_EQ(got[1], hex("0405"));
    char buffer[kReadBufferSize];
    EXPECT_EQ(device.readPackage(buffer, kReadBufferSize), 0) << "nothing else waits";
}

TEST_F(SerialDeviceTest, AReadTakesTwentyBytesAndDropsTheRestOfThePackage) {
    QByteArray longPackage;
    for (int i = 0; i < 30; ++i)
        longPackage.append(char(i));
    pty.write(longPackage);
    QThread::msleep(150);
    pty.write(hex("AA"));
    const QList<QByteArray> got = packages(device, 2, 2000);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], longPackage.left(20));
    EXPECT_EQ(got[1], hex("AA"));
}

TEST_F(SerialDeviceTest, AtMostSixteenPackagesWaitAndTheOldestGoFirst) {
    for (int i = 0; i < 18; ++i) {
        pty.write(QByteArray(1, char(i)));
        QThread::msleep(120); // well beyond the 50 ms gap, even on a loaded machine
    }
    QThread::msleep(150);
    const QList<QByteArray> got = packages(device, 18, 300);
    ASSERT_EQ(got.size(), SerialDevice::kPackageQueue);
    EXPECT_EQ(got.first(), QByteArray(1, char(2)));
    EXPECT_EQ(got.last(), QByteArray(1, char(17)));
}

TEST_F(SerialDeviceTest, AnUnpluggedPortIsReportedWritesAreDroppedAndReopeningWorks) {
    QSignalSpy lost(&device, &SerialDevice::lost);
    pty.unplug();
    ASSERT_TRUE(lost.wait(3000)) << "the loss is reported";
    EXPECT_FALSE(lost.first().first().toString().isEmpty());
    EXPECT_FALSE(device.isOpen());
    device.write(hex("FBB0111110 01AE")); // dropped, no crash
    EXPECT_EQ(device.pendingBytes(), 0);

    PtyPair replugged;
    QString error;
    ASSERT_TRUE(device.open(settingsFor(replugged), error)) << error.toStdString();
    device.write(hex("FBB0111110 01AE"));
    EXPECT_EQ(replugged.read(7, 2000), hex("FBB0111110 01AE"));
}

TEST(SerialDeviceOpen, AFailedOpenGivesTheSystemsReason) {
    SerialDevice device(2);
    SerialSettings s;
    s.portName = QStringLiteral("/dev/no-such-port");
    QString error;
    EXPECT_FALSE(device.open(s, error));
    EXPECT_TRUE(error.contains(QStringLiteral("/dev/no-such-port"))) << error.toStdString();
    EXPECT_FALSE(device.isOpen());

    s.portNo = 0;
    s.portName.clear();
    EXPECT_FALSE(device.open(s, error));
    EXPECT_TRUE(error.contains(QStringLiteral("PortNo 0")));

    PtyPair pty;
    s = settingsFor(pty);
    s.baud = 15;
    EXPECT_FALSE(device.open(s, error)) << "an index outside the rate list";
    EXPECT_TRUE(error.contains(QStringLiteral("baud index 15")));
}

} // namespace
