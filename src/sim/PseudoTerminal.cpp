#include "PseudoTerminal.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace wall {

bool PseudoTerminal::open(QString& error, bool nonBlockingMaster) {
    close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | (nonBlockingMaster ? O_NONBLOCK : 0));
    char name[128] = {};
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0 ||
        (slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    // Programs started from here must not keep the terminal alive: closing
    // the master is how a pulled cable looks to the port's user.
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    termios raw{};
    if (tcgetattr(slave_, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
    }
    return true;
}

void PseudoTerminal::close() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

void PseudoTerminal::write(QByteArrayView bytes) {
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
}

QByteArray PseudoTerminal::read(int count, int msecs) {
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

} // namespace wall
