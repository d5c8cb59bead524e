#pragma once

#include "SerialDevice.h"

#include <QDeadlineTimer>

#include <array>
#include <memory>

namespace wall {

// The five serial devices as the core's DeviceIo. The pacer is supplied by
// the user: the window waits while painting, a command-line tool sleeps.
class SerialDevices final : public DeviceIo {
public:
    explicit SerialDevices(Pacer& pacer);
    ~SerialDevices() override;

    DeviceLink& link(int device) override { return device_(device); }
    Pacer& pacer() override { return pacer_; }
    SerialDevice& device_(int device);

    // Waits until every device has handed its queued bytes to the system.
    bool waitForWritten(int msecs);

private:
    Pacer& pacer_;
    std::array<std::unique_ptr<SerialDevice>, kDeviceCount> devices_;
};

// Blocks the calling thread until the deadline, to within a few microseconds.
void sleepUntil(const QDeadlineTimer& deadline);

// A pacer that blocks the calling thread; the I/O threads keep sending.
class SleepPacer final : public Pacer {
public:
    void pause(int ms) override;
};

} // namespace wall
