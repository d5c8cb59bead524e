#pragma once

#include <QByteArray>
#include <QString>

namespace wall {

// A pseudo-terminal pair for the simulator and the tests: a serial port
// opens slavePath(); the owner reads and writes the master side. The slave
// side is held open too, so that the terminal outlives the port's opens and
// closes, and is set raw.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a new pair; false with the system's reason on failure.
    bool open(QString& error, bool nonBlockingMaster = false);
    void close();

    bool isOpen() const { return master_ >= 0; }
    int master() const { return master_; }
    int slave() const { return slave_; }
    QString slavePath() const { return slavePath_; }

    // Writes all bytes to the master side.
    void write(QByteArrayView bytes);
    // Reads from the master side until `count` bytes arrived or `msecs` passed.
    QByteArray read(int count, int msecs);

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};

} // namespace wall
