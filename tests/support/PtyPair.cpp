#include "PtyPair.h"

#include <QDeadlineTimer>

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace wall::test {

PtyPair::PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        unplug();
        return;
    }
    char name[128] = {};
    ptsname_r(master_, name, sizeof name);
    slavePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
}

PtyPair::~PtyPair() {
    unplug();
}

void PtyPair::write(const QByteArray& bytes) {
    if (master_ >= 0)
        (void)!::write(master_, bytes.constData(), size_t(bytes.size()));
}

QByteArray PtyPair::read(int count, int msecs) {
    QByteArray got;
    const QDeadlineTimer deadline(msecs);
    while (got.size() < count && !deadline.hasExpired() && master_ >= 0) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, int(std::max<qint64>(deadline.remainingTime(), 0))) <= 0)
            break;
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.append(buffer, qsizetype(n));
    }
    return got;
}

int PtyPair::slaveSpeed() const {
    termios t{};
    tcgetattr(slave_, &t);
    return int(cfgetospeed(&t));
}

bool PtyPair::slaveTwoStopBits() const {
    termios t{};
    tcgetattr(slave_, &t);
    return (t.c_cflag & CSTOPB) != 0;
}

void PtyPair::unplug() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

} // namespace wall::test
