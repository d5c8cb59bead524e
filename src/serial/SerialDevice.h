#pragma once

#include "serial/DeviceIo.h"
#include "serial/SerialSettings.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <atomic>
#include <deque>

namespace wall {

// One serial device in package mode, its port driven from an I/O thread of
// its own so that the caller never waits for the line:
//   - write() queues the block and returns at once; the bytes go out as they
//     are, nothing added;
//   - received bytes form one package until no byte arrives for 50 ms (or the
//     package reaches 4096 bytes); at most 16 packages wait, the oldest is
//     dropped when a 17th arrives;
//   - a port that vanishes (cable pulled, pseudo-terminal closed) is closed
//     and reported through lost(); writes are then dropped until reopened.
// Every write call is one frame; the device counts the frames still queued
// and the frames dropped (written while closed, refused by the port, or
// still queued when the port closed), so that a loss can be said in frames.
class SerialDevice final : public QObject, public DeviceLink {
    Q_OBJECT
public:
    static constexpr int kPackageGapMs = 50;
    static constexpr int kMaxPackageSize = 4096;
    static constexpr int kPackageQueue = 16;

    explicit SerialDevice(int number, QObject* parent = nullptr);
    ~SerialDevice() override;

    int number() const { return number_; }

    bool isOpen() const override { return open_.load(); }
    bool open(const SerialSettings& settings, QString& error) override;
    void close() override;
    void write(QByteArrayView bytes) override;
    int readPackage(char* buffer, int capacity) override;
    void discardInput() override;

    // Waits until every queued byte has been handed to the system, or the
    // time runs out. For command-line use before the process ends.
    bool waitForWritten(int msecs);
    // Bytes queued but not yet handed to the system.
    qint64 pendingBytes() const { return pending_.load(); }
    // Frames queued and not yet wholly handed to the system.
    int pendingFrames() const { return pendingFrames_.load(); }
    // Frames that will never be sent, since the device was created.
    int droppedFrames() const { return droppedFrames_.load(); }

Q_SIGNALS:
    // The port was closed under the device: the system's error text.
    void lost(const QString& reason);
    void packageReceived();

private:
    friend class SerialWorker;
    void deliver(QByteArray package);
    void clearReceived();
    void markClosed(const QString& reason);

    const int number_;
    QThread thread_;
    class SerialWorker* worker_ = nullptr;
    std::atomic<bool> open_{false};
    std::atomic<qint64> pending_{0};
    std::atomic<int> pendingFrames_{0};
    std::atomic<int> droppedFrames_{0};
    mutable QMutex mutex_;
    std::deque<QByteArray> received_;
};

} // namespace wall
