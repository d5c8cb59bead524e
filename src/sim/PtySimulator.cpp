#include "PtySimulator.h"

#include <QSocketNotifier>

#include <unistd.h>

namespace wall {

PtySimulator::PtySimulator(std::unique_ptr<SimulatedWall> wall, QObject* parent)
    : QObject(parent), wall_(std::move(wall)) {}

PtySimulator::~PtySimulator() {
    stop();
}

bool PtySimulator::start(QString& error) {
    stop();
    if (!pty_.open(error, true))
        return false;
    notifier_ = new QSocketNotifier(pty_.master(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readMaster(); });
    return true;
}

void PtySimulator::stop() {
    delete notifier_;
    notifier_ = nullptr;
    pty_.close();
}

void PtySimulator::send(QByteArrayView bytes) {
    pty_.write(bytes);
}

void PtySimulator::readMaster() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
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
