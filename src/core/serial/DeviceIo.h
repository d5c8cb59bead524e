#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace wall {

struct SerialSettings;

// The five serial devices of the console. Device 1 is the wall link; 2 … 5
// are the optional separate links to the matrix switchers.
inline constexpr int kDeviceCount = 5;
inline constexpr int kWallLink = 1;

// The size of the buffer every read operation hands to readPackage().
inline constexpr int kReadBufferSize = 20;

// One serial device as the core sees it. Writes are queued and never block;
// a write to a closed device is dropped. Reads return the next received
// package without blocking.
class DeviceLink {
public:
    virtual ~DeviceLink() = default;
    virtual bool isOpen() const = 0;
    // Opens (or reopens) the port with these settings. On failure returns
    // false with the system's own error text.
    virtual bool open(const SerialSettings& settings, QString& error) = 0;
    virtual void close() = 0;
    // Queues the block; the bytes go out unchanged, nothing is added.
    virtual void write(QByteArrayView bytes) = 0;
    // Copies at most `capacity` bytes of the next package into `buffer` and
    // drops the rest of it. Returns the number of bytes, or 0 when no package
    // is waiting.
    virtual int readPackage(char* buffer, int capacity) = 0;
    // Drops everything received so far, the beginning of a package still
    // arriving included. Called before a request whose answer is read: an
    // answer comes after its request, so nothing received before it is one.
    virtual void discardInput() = 0;
};

// Every wait the console makes between device commands.
class Pacer {
public:
    virtual ~Pacer() = default;
    // Waits `ms` milliseconds; 0 or less is no wait.
    virtual void pause(int ms) = 0;
    // The wait between two polls of a read. Unlike a pause, the window takes
    // input meanwhile, so that the operator can stop a long read.
    virtual void pollWait(int ms) { pause(ms); }
};

// The local date and time, for whatever the console does at a moment or
// stamps with one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The computer's own clock.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// The seam between the core and the outside world: the core receives this,
// never creates devices itself.
class DeviceIo {
public:
    virtual ~DeviceIo() = default;
    // device is 1 … kDeviceCount.
    virtual DeviceLink& link(int device) = 0;
    virtual Pacer& pacer() = 0;
    // The time the console goes by: the system's, unless a double keeps its own.
    virtual Clock& clock() {
        static SystemClock system;
        return system;
    }
};

} // namespace wall
