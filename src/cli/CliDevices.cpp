#include "CliDevices.h"

#include "app/ConsoleState.h"
#include "serial/SerialSettings.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace wall {

namespace {
constexpr int kSliceMs = 10; // how soon a wait notices a lost link
} // namespace

// Forwards to the device until any link is lost; then drops and counts.
class CliDevices::GuardedLink final : public DeviceLink {
public:
    GuardedLink(SerialDevice& device, const CliDevices& owner) : device_(device), owner_(owner) {}

    bool isOpen() const override { return device_.isOpen(); }
    bool open(const SerialSettings& settings, QString& error) override {
        return device_.open(settings, error);
    }
    void close() override { device_.close(); }
    void write(QByteArrayView bytes) override {
        if (owner_.stopped() && !bytes.isEmpty()) {
            ++stoppedFrames;
            return;
        }
        device_.write(bytes);
    }
    int readPackage(char* buffer, int capacity) override {
        return device_.readPackage(buffer, capacity);
    }
    void discardInput() override { device_.discardInput(); }

    int stoppedFrames = 0; // not sent because the command was stopped

private:
    SerialDevice& device_;
    const CliDevices& owner_;
};

// Blocks the calling thread, in slices, and not at all once a link is lost.
class CliDevices::GuardedPacer final : public Pacer {
public:
    explicit GuardedPacer(const CliDevices& owner) : owner_(owner) {}
    void pause(int ms) override {
        if (ms <= 0)
            return;
        const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
        while (!owner_.stopped() && !deadline.hasExpired())
            sleepUntil(std::min(deadline, QDeadlineTimer(kSliceMs, Qt::PreciseTimer)));
    }

private:
    const CliDevices& owner_;
};

CliDevices::CliDevices() : pacer_(std::make_unique<GuardedPacer>(*this)), devices_(*pacer_) {
    for (int d = 1; d <= kDeviceCount; ++d) {
        SerialDevice& device = devices_.device_(d);
        links_[size_t(d - 1)] = std::make_unique<GuardedLink>(device, *this);
        // Said from the device's I/O thread, at once.
        QObject::connect(
            &device, &SerialDevice::lost, &device,
            [this, d](const QString& reason) {
                QMutexLocker lock(&lostMutex_);
                int none = 0;
                if (lostDevice_.compare_exchange_strong(none, d))
                    lostReason_ = reason;
            },
            Qt::DirectConnection);
    }
}

CliDevices::~CliDevices() = default;

DeviceLink& CliDevices::link(int device) {
    return *links_[size_t(std::clamp(device, 1, kDeviceCount) - 1)];
}

Pacer& CliDevices::pacer() {
    return *pacer_;
}

bool CliDevices::open(ConsoleState& state, QString& error, QTextStream& err) {
    for (int d = 1; d <= kDeviceCount; ++d) {
        const SerialSettings& settings = state.serialDevice(d);
        portNames_[size_t(d - 1)] = systemPortName(settings);
        baud_[size_t(d - 1)] = settings.baudRate().value_or(9600);
        if (d != kWallLink && settings.portNo == 0)
            continue;
        QString why;
        if (devices_.device_(d).open(settings, why))
            continue;
        if (d == kWallLink) {
            error = why;
            return false;
        }
        err << QStringLiteral("Serial device %1 stays closed: %2\n").arg(d).arg(why);
    }
    return true;
}

void CliDevices::drain(int device) {
    SerialDevice& d = devices_.device_(device);
    // Ten bits a byte at the line's speed, and the margin.
    const qint64 lineMs = d.pendingBytes() * 10 * 1000 / std::max(baud_[size_t(device - 1)], 1);
    const QDeadlineTimer deadline(lineMs + kDrainMarginMs);
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    qint64 last = d.pendingBytes();
    while (d.pendingFrames() > 0 && !stopped() && !deadline.hasExpired() &&
           sinceProgress.elapsed() < kStallMs) {
        QThread::msleep(5);
        if (const qint64 now = d.pendingBytes(); now != last) {
            last = now;
            sinceProgress.restart();
        }
    }
    if (d.pendingFrames() == 0)
        d.waitForWritten(kDrainMarginMs); // the last bytes handed on before the port closes
}

QStringList CliDevices::finish() {
    for (int d = 1; d <= kDeviceCount; ++d)
        if (devices_.device_(d).isOpen())
            drain(d);
    std::array<int, kDeviceCount> queuedAtEnd{};
    for (int d = 1; d <= kDeviceCount; ++d)
        queuedAtEnd[size_t(d - 1)] = devices_.device_(d).pendingFrames();
    // Closed before counting: what is still queued now is never sent.
    for (int d = 1; d <= kDeviceCount; ++d)
        devices_.device_(d).close();

    QStringList problems;
    const int lost = lostDevice_.load();
    QString reason;
    {
        QMutexLocker lock(&lostMutex_);
        reason = lostReason_;
    }
    for (int d = 1; d <= kDeviceCount; ++d) {
        const SerialDevice& device = devices_.device_(d);
        const int queued = queuedAtEnd[size_t(d - 1)];
        const int notSent = device.droppedFrames() + links_[size_t(d - 1)]->stoppedFrames;
        const QString name =
            QStringLiteral("Serial device %1 (%2)")
                .arg(d)
                .arg(portNames_[size_t(d - 1)].isEmpty() ? QStringLiteral("no port")
                                                         : portNames_[size_t(d - 1)]);
        if (d == lost) {
            problems << QStringLiteral("%1 was lost: %2. %3 frame(s) were not sent.")
                            .arg(name, reason)
                            .arg(notSent);
        } else if (queued > 0) {
            problems << QStringLiteral("%1 did not take %2 queued frame(s) in time; %3 frame(s) "
                                       "were not sent.")
                            .arg(name)
                            .arg(queued)
                            .arg(notSent);
        } else if (notSent > 0) {
            problems << (lost ? QStringLiteral("%1: %2 frame(s) were not sent after serial "
                                               "device %3 was lost.")
                                    .arg(name)
                                    .arg(notSent)
                                    .arg(lost)
                              : QStringLiteral("%1 is closed: %2 frame(s) were not sent.")
                                    .arg(name)
                                    .arg(notSent));
        }
    }
    return problems;
}

} // namespace wall
