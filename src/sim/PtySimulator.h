#pragma once

#include "PseudoTerminal.h"
#include "SimulatedWall.h"

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace wall {

// A simulated wall behind a pseudo-terminal: the console opens slavePath()
// as its wall link; what it writes is decoded by the wall, and the replies go
// back through the terminal. Runs on the thread's event loop.
class PtySimulator final : public QObject {
    Q_OBJECT
public:
    explicit PtySimulator(std::unique_ptr<SimulatedWall> wall, QObject* parent = nullptr);
    ~PtySimulator() override;

    // Opens the pseudo-terminal; false with the reason on failure.
    bool start(QString& error);
    // Closes the terminal, as a pulled cable would.
    void stop();

    QString slavePath() const { return pty_.slavePath(); }
    SimulatedWall& wall() { return *wall_; }

    // Writes raw bytes to the console, as a unit sending on its own would.
    void send(QByteArrayView bytes);

Q_SIGNALS:
    void framesDecoded(const QStringList& lines);
    void bytesReceived(const QByteArray& bytes);

private:
    void readMaster();

    std::unique_ptr<SimulatedWall> wall_;
    PseudoTerminal pty_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace wall
