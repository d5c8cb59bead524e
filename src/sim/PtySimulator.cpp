#include "PtySimulator.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace wall {

PtySimulator::PtySimulator(std::unique_ptr<SimulatedWall> wall, QObject* parent)
    : QObject(parent), wall_(std::move(wall)) {}

PtySimulator::~PtySimulator() {
    stop();
}

bool PtySimulator::start(QString& error) {
    stop();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        stop();
        return false;
    }
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        stop();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slaveKeepAlive_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveKeepAlive_ >= 0) {
        termios raw{};
        if (tcgetattr(slaveKeepAlive_, &raw) == 0) {
            cfmakeraw(&raw);
            tcsetattr(slaveKeepAlive_, TCSANOW, &raw);
        }
    }
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readMaster(); });
    return true;
}

void PtySimulator::stop() {
    delete notifier_;
    notifier_ = nullptr;
    if (slaveKeepAlive_ >= 0)
        ::close(slaveKeepAlive_);
    if (master_ >= 0)
        ::close(master_);
    slaveKeepAlive_ = master_ = -1;
}

void PtySimulator::send(QByteArrayView bytes) {
    if (master_ < 0)
        return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
}

void PtySimulator::readMaster() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        const QByteArray bytes(buffer, qsizetype(n));
        Q_EMIT bytesReceived(bytes);
        wall_->clearLog();
        const QList<QByteArray> replies = wall_->feed(bytes);
        if (!wall_->log().isEmpty())
            Q_EMIT framesDecoded(wall_->log());
        for (const QByteArray& reply : replies)
            send(reply);
    }
}

} // namespace wall
