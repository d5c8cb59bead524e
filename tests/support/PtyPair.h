#pragma once

#include "PseudoTerminal.h"

namespace wall::test {

// A pseudo-terminal pair opened for a test, with the line settings of the
// terminal readable (a port restores the old ones when it closes).
class PtyPair : public PseudoTerminal {
public:
    PtyPair() {
        QString ignored;
        open(ignored);
    }
    bool ok() const { return isOpen(); }
    int slaveSpeed() const; // a speed constant such as B9600
    bool slaveTwoStopBits() const;
    // Closes both sides, as a pulled cable would.
    void unplug() { close(); }
};

} // namespace wall::test
