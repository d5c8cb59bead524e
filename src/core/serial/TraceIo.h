#pragma once

#include "DeviceIo.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <array>
#include <memory>

namespace wall {

// A DeviceIo that sends nothing and waits for nothing: it records every
// write and pause as one line of an ordered trace and advances a virtual
// clock by every pause. Replies for reads are queued in advance per device. Used by the
// tests and by `wallctl --trace`.
//
// Trace lines:
//   write N XX XX …   one write call on device N, bytes as upper-case hex
//   pause MS          one wait of MS milliseconds (a wait of 0 leaves no line)
class TraceIo final : public DeviceIo {
public:
    TraceIo();
    ~TraceIo() override;

    DeviceLink& link(int device) override;
    Pacer& pacer() override;
    // The virtual clock: it starts at setNow()'s moment (by default
    // 2000-01-01 00:00:00 local time) and moves on by every traced pause and
    // by advance().
    Clock& clock() override;
    void setNow(const QDateTime& moment);
    // Time passing between two operations, such as the wait for a timer's
    // next turn: no line in the trace.
    void advance(qint64 ms);

    // Queues a package that the next read on `device` returns: an answer
    // still to come, which dropping the input before a request leaves alone.
    void queueReply(int device, QByteArray package);
    // A package that has arrived already; dropping the input drops it.
    void receiveNow(int device, QByteArray package);
    // Marks a device closed: writes to it are dropped and leave no line.
    void setOpen(int device, bool open);
    // Makes the next opens of a device fail with this text (empty: succeed).
    void setOpenError(int device, QString error);

    const QStringList& lines() const { return lines_; }
    QString text() const; // the lines joined, each ended by '\n'
    void clear() { lines_.clear(); }
    qint64 elapsedMs() const { return clockMs_; }

private:
    class Link;
    class TracePacer;
    class VirtualClock;

    QStringList lines_;
    qint64 clockMs_ = 0;
    std::array<std::unique_ptr<Link>, kDeviceCount> links_;
    std::unique_ptr<TracePacer> pacer_;
    std::unique_ptr<VirtualClock> clock_;
};

// Formats bytes as the trace does: "FB B1 12".
QString hexBytes(QByteArrayView bytes);

} // namespace wall
