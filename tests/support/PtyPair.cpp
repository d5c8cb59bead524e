#include "PtyPair.h"

#include <termios.h>

namespace wall::test {

int PtyPair::slaveSpeed() const {
    termios t{};
    tcgetattr(slave(), &t);
    return int(cfgetospeed(&t));
}

bool PtyPair::slaveTwoStopBits() const {
    termios t{};
    tcgetattr(slave(), &t);
    return (t.c_cflag & CSTOPB) != 0;
}

} // namespace wall::test
