#include "SerialDevices.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace wall {

SerialDevices::SerialDevices(Pacer& pacer) : pacer_(pacer) {
    for (int i = 0; i < kDeviceCount; ++i)
        devices_[size_t(i)] = std::make_unique<SerialDevice>(i + 1);
}

SerialDevices::~SerialDevices() = default;

SerialDevice& SerialDevices::device_(int device) {
    return *devices_[size_t(std::clamp(device, 1, kDeviceCount) - 1)];
}

bool SerialDevices::waitForWritten(int msecs) {
    const QDeadlineTimer deadline(msecs);
    bool all = true;
    for (auto& d : devices_)
        all = d->waitForWritten(int(std::max<qint64>(deadline.remainingTime(), 0))) && all;
    return all;
}

void sleepUntil(const QDeadlineTimer& deadline) {
    // Sleeps overshoot by the system's timer slack; the last fifth of a
    // millisecond is waited out instead, so that the pause ends on time.
    constexpr qint64 kSpinNs = 200'000;
    if (const qint64 rest = deadline.remainingTimeNSecs(); rest > kSpinNs)
        QThread::usleep(static_cast<unsigned long>((rest - kSpinNs) / 1000));
    while (!deadline.hasExpired())
        QThread::yieldCurrentThread();
}

void SleepPacer::pause(int ms) {
    if (ms > 0)
        sleepUntil(QDeadlineTimer(ms, Qt::PreciseTimer));
}

} // namespace wall
