#pragma once

#include <QByteArray>
#include <QString>

namespace wall::test {

// A pseudo-terminal pair: the code under test opens slavePath() as its
// serial port; the test reads and writes the master side directly.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    void write(const QByteArray& bytes);
    // Reads until `count` bytes arrived or `msecs` passed.
    QByteArray read(int count, int msecs);
    // The line settings of the terminal now (speed constant such as B9600,
    // two stop bits). A port restores the old settings when it closes.
    int slaveSpeed() const;
    bool slaveTwoStopBits() const;
    // Closes both sides, as a pulled cable would.
    void unplug();

private:
    int master_ = -1;
    int slave_ = -1; // held open so that the terminal outlives the port under test
    QString slavePath_;
};

} // namespace wall::test
