#pragma once

#include "SerialDevices.h"
#include "Wallctl.h"

#include <QMutex>
#include <QString>

#include <array>
#include <atomic>
#include <memory>

class QTextStream;

namespace wall {

struct ConsoleState;

// The real serial devices for one wallctl command.
//
// A link lost while the command runs stops it at once: from then on no
// device sends anything and no pause is waited, so the rest of the command
// runs through in an instant with every frame counted as not sent. At the
// end, finish() waits for the queues to drain for a bounded time (what the
// bytes take at the line's speed, and a little more; a line that takes
// nothing for a while is given up) and names every frame not sent.
class CliDevices final : public CommandDevices {
public:
    CliDevices();
    ~CliDevices() override;

    // Opens the wall link, which must open, and each further device that has
    // a port; one that does not open is said on `err` and stays closed.
    bool open(ConsoleState& state, QString& error, QTextStream& err);

    DeviceLink& link(int device) override;
    Pacer& pacer() override;
    QStringList finish() override;

    // How long finish() waits beyond the line's own time, and how long a
    // line may take nothing before it is given up.
    static constexpr int kDrainMarginMs = 2000;
    static constexpr int kStallMs = 2000;

private:
    class GuardedLink;
    class GuardedPacer;

    void drain(int device);
    bool stopped() const { return lostDevice_.load() != 0; }

    // Declared before the devices: a loss said while they close still lands.
    std::atomic<int> lostDevice_{0}; // the first device lost, 0 while none is
    QMutex lostMutex_;
    QString lostReason_;
    std::unique_ptr<GuardedPacer> pacer_;
    SerialDevices devices_;
    std::array<std::unique_ptr<GuardedLink>, kDeviceCount> links_;
    std::array<QString, kDeviceCount> portNames_;
    std::array<int, kDeviceCount> baud_{};
};

} // namespace wall
